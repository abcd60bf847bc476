#include "Script.h"

#include <duktape.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "Browser.h"
#include "Cesu8.h"
#include "Page.h"
#include "V8.h"

// Every entry into Duktape from native code is protected (a compile, call or safe call), and
// no Duktape error is raised while a C++ object lives in the raising frame: Duktape unwinds
// with longjmp, which would skip destructors. The native functions a page calls do their C++
// work first and raise a script error only once that work's objects are gone.

namespace engine {

namespace {

// The global that holds an extension's native functions while its code runs.
constexpr const char* kNativesGlobal = "__extensionNatives";
constexpr const char* kDocumentKey = "document";
constexpr const char* kExtensionKey = DUK_HIDDEN_SYMBOL("extension");
constexpr const char* kNameKey = DUK_HIDDEN_SYMBOL("name");
// A native body's answer that means: throw the value on top of the stack.
constexpr duk_ret_t kThrowTop = -1000;

void Fatal(void*, const char* message) {
  std::fprintf(stderr, "script engine: fatal error: %s\n", message != nullptr ? message : "");
  std::abort();
}

Document* DocumentOf(duk_context* ctx) {
  duk_push_heap_stash(ctx);
  duk_get_prop_string(ctx, -1, kDocumentKey);
  auto* document = static_cast<Document*>(duk_get_pointer(ctx, -1));
  duk_pop_2(ctx);
  return document;
}

// The browser of a document still shown by a running engine that made it; null otherwise.
BrowserImpl* LiveBrowser(const Document* document) {
  if (document == nullptr || document->frame == nullptr || !document->frame->Live() ||
      document->generation != Engine::Get().generation)
    return nullptr;
  return document->frame->Browser();
}

// The name of the innermost script running in the document.
std::u16string CurrentSource(const Document* document) {
  const auto& evaluations = Engine::Get().evaluations;
  for (auto it = evaluations.rbegin(); it != evaluations.rend(); ++it)
    if (it->document == document) return it->source;
  return {};
}

std::u16string StringAt(duk_context* ctx, duk_idx_t index) {
  duk_size_t size = 0;
  const char* bytes = duk_get_lstring(ctx, index, &size);
  return bytes != nullptr ? Utf16FromCesu8(bytes, size) : std::u16string();
}

void PushString(duk_context* ctx, const std::u16string& text) {
  const std::string bytes = Cesu8FromUtf16(text);
  duk_push_lstring(ctx, bytes.data(), bytes.size());
}

CefRefPtr<CefV8Value> Snapshot(duk_context* ctx, duk_idx_t index) {
  switch (duk_get_type(ctx, index)) {
    case DUK_TYPE_NULL:
      return new V8ValueImpl(V8ValueImpl::kNull);
    case DUK_TYPE_BOOLEAN:
      return new V8ValueImpl(V8ValueImpl::kBool, duk_get_boolean(ctx, index) ? 1 : 0);
    case DUK_TYPE_NUMBER:
      return new V8ValueImpl(V8ValueImpl::kNumber, duk_get_number(ctx, index));
    case DUK_TYPE_STRING:
      if (duk_is_symbol(ctx, index)) return new V8ValueImpl(V8ValueImpl::kObject);
      return new V8ValueImpl(V8ValueImpl::kString, 0, StringAt(ctx, index));
    case DUK_TYPE_OBJECT:
    case DUK_TYPE_BUFFER:
    case DUK_TYPE_POINTER:
    case DUK_TYPE_LIGHTFUNC:
      return new V8ValueImpl(V8ValueImpl::kObject);
    default:
      return new V8ValueImpl(V8ValueImpl::kUndefined);
  }
}

// Objects come back as undefined: only their kind crossed.
void PushValue(duk_context* ctx, CefV8Value* value) {
  auto* v = dynamic_cast<V8ValueImpl*>(value);
  switch (v != nullptr ? v->kind : V8ValueImpl::kUndefined) {
    case V8ValueImpl::kNull:
      duk_push_null(ctx);
      break;
    case V8ValueImpl::kBool:
      duk_push_boolean(ctx, v->number != 0);
      break;
    case V8ValueImpl::kNumber:
      duk_push_number(ctx, v->number);
      break;
    case V8ValueImpl::kString:
      PushString(ctx, v->text);
      break;
    default:
      duk_push_undefined(ctx);
  }
}

// Runs the native side of a page's call. A C++ exception becomes a script error, raised after
// the body's objects are gone.
template <class Body>
duk_ret_t Native(duk_context* ctx, Body&& body) {
  duk_ret_t result = 0;
  bool failed = false;
  try {
    result = body();
  } catch (...) {
    failed = true;
  }
  if (failed) return duk_generic_error(ctx, "native code failed");
  if (result == kThrowTop) return duk_throw(ctx);
  return result;
}

// The line of the script that called the running native function, or 0.
int CallerLine(duk_context* ctx) {
  duk_inspect_callstack_entry(ctx, -2);
  int line = 0;
  if (duk_is_object(ctx, -1)) {
    duk_get_prop_string(ctx, -1, "lineNumber");
    line = duk_get_int_default(ctx, -1, 0);
    duk_pop(ctx);
  }
  duk_pop(ctx);
  return line;
}

duk_ret_t ConsoleLog(duk_context* ctx) {
  const duk_idx_t count = duk_get_top(ctx);
  for (duk_idx_t i = 0; i < count; ++i) duk_safe_to_string(ctx, i);
  const int line = CallerLine(ctx);
  return Native(ctx, [&]() -> duk_ret_t {
    std::u16string message;
    for (duk_idx_t i = 0; i < count; ++i) {
      if (i > 0) message += u' ';
      message += StringAt(ctx, i);
    }
    Document* document = DocumentOf(ctx);
    if (BrowserImpl* browser = LiveBrowser(document)) browser->Console(message, CurrentSource(document), line);
    return 0;
  });
}

duk_ret_t LocationGet(duk_context* ctx) {
  return Native(ctx, [&]() -> duk_ret_t {
    const Document* document = DocumentOf(ctx);
    PushString(ctx, document != nullptr ? document->url : std::u16string());
    return 1;
  });
}

// Setting location.href queues a navigation of the document's frame.
duk_ret_t LocationSet(duk_context* ctx) {
  duk_safe_to_string(ctx, 0);
  return Native(ctx, [&]() -> duk_ret_t {
    Document* document = DocumentOf(ctx);
    if (LiveBrowser(document) != nullptr)
      document->frame->Navigate(ResolveUrl(document->url, StringAt(ctx, 0)), nullptr, NAVTYPE_LINKCLICKED);
    return 0;
  });
}

// window.open(url): asks the client, which may refuse; the page gets null either way.
duk_ret_t WindowOpen(duk_context* ctx) {
  const bool hasUrl = duk_get_top(ctx) > 0 && !duk_is_undefined(ctx, 0);
  if (hasUrl) duk_safe_to_string(ctx, 0);
  return Native(ctx, [&]() -> duk_ret_t {
    Document* document = DocumentOf(ctx);
    if (BrowserImpl* browser = LiveBrowser(document)) {
      const std::u16string url = hasUrl ? StringAt(ctx, 0) : std::u16string();
      browser->OpenPopup(url.empty() ? u"about:blank" : ResolveUrl(document->url, url));
    }
    duk_push_null(ctx);
    return 1;
  });
}

// A native function of an extension: hands the call to the extension's handler.
duk_ret_t CallExtensionNative(duk_context* ctx) {
  const duk_idx_t argumentCount = duk_get_top(ctx);
  duk_push_current_function(ctx);
  duk_get_prop_string(ctx, -1, kExtensionKey);
  const auto index = static_cast<size_t>(duk_get_uint(ctx, -1));
  duk_pop(ctx);
  duk_get_prop_string(ctx, -1, kNameKey);
  const duk_idx_t nameIndex = duk_get_top_index(ctx);
  duk_push_this(ctx);
  const duk_idx_t thisIndex = duk_get_top_index(ctx);
  return Native(ctx, [&]() -> duk_ret_t {
    Engine& e = Engine::Get();
    Document* document = DocumentOf(ctx);
    if (LiveBrowser(document) == nullptr || index >= e.extensions.size()) return 0;
    CefRefPtr<CefV8Handler> handler = e.extensions[index].handler;
    if (!handler) return 0;
    CefV8ValueList arguments;
    for (duk_idx_t i = 0; i < argumentCount; ++i) arguments.push_back(Snapshot(ctx, i));
    CefRefPtr<CefV8Value> retval;
    CefString exception;
    if (!handler->Execute(StringAt(ctx, nameIndex), Snapshot(ctx, thisIndex), arguments, retval, exception))
      return 0;
    if (!exception.empty()) {
      const std::string message = Cesu8FromUtf16(exception.ToString16());
      duk_push_error_object(ctx, DUK_ERR_ERROR, "%s", message.c_str());
      return kThrowTop;
    }
    PushValue(ctx, retval);
    return 1;
  });
}

duk_ret_t SetUpGlobals(duk_context* ctx, void* document) {
  duk_push_heap_stash(ctx);
  duk_push_pointer(ctx, document);
  duk_put_prop_string(ctx, -2, kDocumentKey);
  duk_pop(ctx);

  duk_push_global_object(ctx);
  duk_dup_top(ctx);
  duk_put_prop_string(ctx, -2, "window");

  duk_push_object(ctx);
  duk_push_c_function(ctx, ConsoleLog, DUK_VARARGS);
  duk_put_prop_string(ctx, -2, "log");
  duk_put_prop_string(ctx, -2, "console");

  duk_push_object(ctx);
  duk_push_string(ctx, "href");
  duk_push_c_function(ctx, LocationGet, 0);
  duk_push_c_function(ctx, LocationSet, 1);
  duk_def_prop(ctx, -4, DUK_DEFPROP_HAVE_GETTER | DUK_DEFPROP_HAVE_SETTER | DUK_DEFPROP_SET_ENUMERABLE);
  duk_put_prop_string(ctx, -2, "location");

  duk_push_c_function(ctx, WindowOpen, DUK_VARARGS);
  duk_put_prop_string(ctx, -2, "open");
  duk_pop(ctx);
  return 0;
}

struct NativeSet {
  size_t extension;
  const std::vector<std::string>* names;
};

// Binds the extension's native functions in the global object that its code runs "with".
duk_ret_t InstallNatives(duk_context* ctx, void* data) {
  const auto* set = static_cast<const NativeSet*>(data);
  duk_push_global_object(ctx);
  duk_push_bare_object(ctx);
  for (const std::string& name : *set->names) {
    duk_push_c_function(ctx, CallExtensionNative, DUK_VARARGS);
    duk_push_uint(ctx, static_cast<duk_uint_t>(set->extension));
    duk_put_prop_string(ctx, -2, kExtensionKey);
    duk_push_lstring(ctx, name.data(), name.size());
    duk_put_prop_string(ctx, -2, kNameKey);
    duk_put_prop_lstring(ctx, -2, name.data(), name.size());
  }
  duk_put_prop_string(ctx, -2, kNativesGlobal);
  duk_pop(ctx);
  return 0;
}

duk_ret_t RemoveNatives(duk_context* ctx, void*) {
  duk_push_global_object(ctx);
  duk_del_prop_string(ctx, -1, kNativesGlobal);
  duk_pop(ctx);
  return 0;
}

// The error on top of the stack: its line, read under protection (a thrown object's getters
// may throw).
duk_ret_t ReadErrorLine(duk_context* ctx, void*) {
  if (!duk_is_object(ctx, 0)) return 0;
  duk_get_prop_string(ctx, 0, "lineNumber");
  return 1;
}

bool IsIdentifierPart(char16_t c) {
  return c == '_' || c == '$' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         c >= 0x80;
}

bool IsBlank(char16_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// "native function NAME();" at i: its end and NAME.
bool NativeDeclarationAt(const std::u16string& code, size_t i, size_t& end, std::u16string& name) {
  if (i > 0 && IsIdentifierPart(code[i - 1])) return false;
  size_t p = i;
  auto word = [&](const char16_t* w) {
    for (; *w != 0; ++w, ++p)
      if (p >= code.size() || code[p] != *w) return false;
    return true;
  };
  auto blanks = [&](bool required) {
    const size_t start = p;
    while (p < code.size() && IsBlank(code[p])) ++p;
    return !required || p > start;
  };
  if (!word(u"native") || !blanks(true) || !word(u"function") || !blanks(true)) return false;
  const size_t nameStart = p;
  while (p < code.size() && IsIdentifierPart(code[p])) ++p;
  if (p == nameStart || (code[nameStart] >= '0' && code[nameStart] <= '9')) return false;
  name = code.substr(nameStart, p - nameStart);
  blanks(false);
  if (!word(u"(")) return false;
  blanks(false);
  if (!word(u")")) return false;
  const size_t beforeSemicolon = p;
  blanks(false);
  if (!word(u";")) p = beforeSemicolon;
  end = p;
  return true;
}

}  // namespace

void PrepareExtension(Extension& extension) {
  const std::u16string& code = extension.code.ToString16();
  std::u16string out;
  size_t i = 0;
  while (i < code.size()) {
    size_t end = 0;
    std::u16string name;
    if (code[i] == 'n' && NativeDeclarationAt(code, i, end, name)) {
      // Keep the line breaks, so lines keep their numbers.
      for (size_t k = i; k < end; ++k)
        if (code[k] == '\n') out += u'\n';
      const std::string bytes = Cesu8FromUtf16(name);
      if (std::find(extension.natives.begin(), extension.natives.end(), bytes) == extension.natives.end())
        extension.natives.push_back(bytes);
      i = end;
    } else {
      out += code[i++];
    }
  }
  // Declarations stay global ("with" makes no scope for var), and every function of the code
  // keeps seeing the natives after the temporary global is gone.
  extension.prepared = u"with (" + Utf16FromCesu8(kNativesGlobal, std::char_traits<char>::length(kNativesGlobal)) +
                       u") {" + out + u"\n}";
}

Document::Document(FrameImpl* frame, std::u16string url)
    : frame(frame),
      url(std::move(url)),
      generation(Engine::Get().generation),
      mContext(duk_create_heap(nullptr, nullptr, nullptr, nullptr, Fatal)) {
  if (mContext == nullptr) Fatal(nullptr, "no memory for a script heap");
  ++gLive[kLiveDocument];
  duk_safe_call(mContext, SetUpGlobals, this, 0, 1);
  duk_pop(mContext);
}

Document::~Document() {
  duk_destroy_heap(mContext);
  --gLive[kLiveDocument];
}

void Document::RunExtensions() {
  Engine& e = Engine::Get();
  for (size_t i = 0; i < e.extensions.size() && LiveBrowser(this) != nullptr; ++i) {
    // Copies: the list may change while the code runs.
    const std::u16string code = e.extensions[i].prepared;
    const std::u16string name = e.extensions[i].name;
    const std::vector<std::string> natives = e.extensions[i].natives;
    NativeSet set{i, &natives};
    const bool installed = duk_safe_call(mContext, InstallNatives, &set, 0, 1) == DUK_EXEC_SUCCESS;
    duk_pop(mContext);
    if (installed) Run(code, name, 0, nullptr);
    duk_safe_call(mContext, RemoveNatives, nullptr, 0, 1);
    duk_pop(mContext);
  }
}

bool Document::Run(const std::u16string& code, const std::u16string& source, int startLine,
                   std::u16string* result) {
  duk_context* ctx = mContext;
  if (!duk_check_stack(ctx, 4)) return false;
  // Blank lines in front give the code's lines their numbers in the document.
  std::string program(startLine > 1 ? static_cast<size_t>(startLine - 1) : 0, '\n');
  program += Cesu8FromUtf16(code);
  const std::string name = Cesu8FromUtf16(source);

  struct Running {
    Document* document;
    Running(Document* d, const std::u16string& source) : document(d) {
      Engine::Get().evaluations.push_back({d, source});
      ++d->running;
    }
    ~Running() {
      --document->running;
      Engine::Get().evaluations.pop_back();
    }
  } running(this, source);

  duk_push_lstring(ctx, name.data(), name.size());
  const bool ok = duk_pcompile_lstring_filename(ctx, DUK_COMPILE_EVAL, program.data(), program.size()) == 0 &&
                  duk_pcall(ctx, 0) == DUK_EXEC_SUCCESS;
  if (ok) {
    if (result != nullptr) {
      if (duk_is_undefined(ctx, -1)) {
        result->clear();
      } else {
        duk_safe_to_string(ctx, -1);
        *result = StringAt(ctx, -1);
      }
    }
    duk_pop(ctx);
    return true;
  }
  duk_dup_top(ctx);
  duk_safe_call(ctx, ReadErrorLine, nullptr, 1, 1);
  const int line = duk_get_int_default(ctx, -1, 0);
  duk_pop(ctx);
  duk_safe_to_string(ctx, -1);
  const std::u16string message = u"Uncaught " + StringAt(ctx, -1);
  duk_pop(ctx);
  if (BrowserImpl* browser = LiveBrowser(this)) browser->Console(message, source, line);
  return false;
}

}  // namespace engine
