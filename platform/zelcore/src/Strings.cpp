#include "zelcore/Strings.h"

#include <locale.h>
#include <wctype.h>

#include <limits>

namespace zelcore::utility {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUTF16(UTF16String& out, char32_t cp) {
  if (cp >= 0x10000) {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  } else {
    out.push_back(static_cast<char16_t>(cp));
  }
}

void AppendUTF8(UTF8String& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

UTF16String UTF8to16(const UTF8String& text) {
  UTF16String out;
  out.reserve(text.size());
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  const size_t n = text.size();
  size_t i = 0;
  while (i < n) {
    const unsigned char lead = s[i];
    int extra = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if (lead < 0x80) {
      out.push_back(lead);
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, cp = lead & 0x07, min = 0x10000;
    } else {
      out.push_back(kReplacement);
      ++i;
      continue;
    }
    size_t j = i + 1;
    bool ok = true;
    for (int k = 0; k < extra; ++k, ++j) {
      if (j >= n || (s[j] & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      cp = (cp << 6) | (s[j] & 0x3F);
    }
    if (!ok || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out.push_back(kReplacement);
      i = ok ? j : (j > i + 1 ? j : i + 1);
      continue;
    }
    AppendUTF16(out, cp);
    i = j;
  }
  return out;
}

UTF8String UTF16to8(const UTF16String& text) {
  UTF8String out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = kReplacement;
    }
    AppendUTF8(out, cp);
  }
  return out;
}

UTF16String AsciiToUTF16(const std::string& text) {
  UTF16String out;
  out.reserve(text.size());
  for (unsigned char c : text) out.push_back(c < 0x80 ? c : kReplacement);
  return out;
}

UTF16String ReplaceInString(const UTF16String& templateText, const std::vector<UTF16String>& replacements) {
  UTF16String out;
  out.reserve(templateText.size());
  for (size_t i = 0; i < templateText.size(); ++i) {
    const char16_t c = templateText[i];
    if (c == u'^' && i + 1 < templateText.size()) {
      const char16_t digit = templateText[i + 1];
      if (digit >= u'1' && digit <= u'9' && static_cast<size_t>(digit - u'1') < replacements.size()) {
        out += replacements[digit - u'1'];
        ++i;
        continue;
      }
    }
    out.push_back(c);
  }
  return out;
}

namespace {

// The case tables of Unicode, from the C library's UTF-8 locale (made once, kept for the process).
locale_t UnicodeLocale() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
  return locale;
}

template <typename Map>
void MapCodePoints(UTF16String& text, Map map) {
  UTF16String out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    // A lone surrogate is no character and stays as it is.
    const bool lone = cp >= 0xD800 && cp <= 0xDFFF;
    const char32_t mapped = lone ? cp : static_cast<char32_t>(map(static_cast<wint_t>(cp)));
    AppendUTF16(out, mapped <= 0x10FFFF ? mapped : cp);
  }
  text.swap(out);
}

}  // namespace

void ToUpperCase(UTF16String& text) {
  const locale_t locale = UnicodeLocale();
  MapCodePoints(text, [locale](wint_t c) {
    if (locale == static_cast<locale_t>(0)) return c < 0x80 ? static_cast<wint_t>(towupper(c)) : c;
    return towupper_l(c, locale);
  });
}

void ToLowerCase(UTF16String& text) {
  const locale_t locale = UnicodeLocale();
  MapCodePoints(text, [locale](wint_t c) {
    if (locale == static_cast<locale_t>(0)) return c < 0x80 ? static_cast<wint_t>(towlower(c)) : c;
    return towlower_l(c, locale);
  });
}

long long StringToNumber(const UTF16String& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  constexpr long long kMax = std::numeric_limits<long long>::max();
  long long value = 0;
  bool clamped = false;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    const int digit = text[i] - u'0';
    if (value > (kMax - digit) / 10) {
      clamped = true;
      break;
    }
    value = value * 10 + digit;
  }
  if (clamped) return negative ? std::numeric_limits<long long>::min() : kMax;
  return negative ? -value : value;
}

}  // namespace zelcore::utility
