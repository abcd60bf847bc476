#include "Crypto.h"

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <algorithm>
#include <climits>
#include <memory>

namespace fennick::crypto {

namespace {

struct CipherContextFree {
  void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree>;

// EVP takes int lengths: longer input goes through the update step in pieces.
constexpr std::size_t kMaxPiece = 1u << 30;

// Runs the whole input through one cipher direction. The final step's failure (bad padding, a
// partial last block) fails the whole run: no partial plain text ever comes out.
std::optional<std::string> RunCipher(const unsigned char* key, const unsigned char* iv, std::string_view input,
                                     bool encrypt) {
  CipherContext context(EVP_CIPHER_CTX_new());
  if (!context || EVP_CipherInit_ex(context.get(), EVP_aes_256_cbc(), nullptr, key, iv, encrypt ? 1 : 0) != 1)
    return std::nullopt;

  std::string output(input.size() + kAesBlockBytes, '\0');
  auto* out = reinterpret_cast<unsigned char*>(output.data());
  std::size_t written = 0;
  for (std::size_t offset = 0; offset < input.size(); offset += kMaxPiece) {
    const std::size_t piece = std::min(kMaxPiece, input.size() - offset);
    int length = 0;
    if (EVP_CipherUpdate(context.get(), out + written, &length,
                         reinterpret_cast<const unsigned char*>(input.data() + offset), static_cast<int>(piece)) != 1)
      return std::nullopt;
    written += static_cast<std::size_t>(length);
  }
  int length = 0;
  if (EVP_CipherFinal_ex(context.get(), out + written, &length) != 1) return std::nullopt;
  output.resize(written + static_cast<std::size_t>(length));
  return output;
}

}  // namespace

bool RandomBytes(unsigned char* out, std::size_t count) {
  for (std::size_t offset = 0; offset < count; offset += kMaxPiece) {
    const std::size_t piece = std::min(kMaxPiece, count - offset);
    // RAND_bytes reports failure as 0 or -1.
    if (RAND_bytes(out + offset, static_cast<int>(piece)) != 1) return false;
  }
  return true;
}

std::optional<std::string> Aes256CbcEncrypt(const unsigned char* key, const unsigned char* iv, std::string_view text) {
  return RunCipher(key, iv, text, true);
}

std::optional<std::string> Aes256CbcDecrypt(const unsigned char* key, const unsigned char* iv, std::string_view data) {
  return RunCipher(key, iv, data, false);
}

std::optional<std::string> Pbkdf2HmacSha1(std::string_view password, std::string_view salt, int iterations) {
  if (password.size() > INT_MAX || salt.size() > INT_MAX || iterations < 1) return std::nullopt;
  std::string key(kDerivedKeyBytes, '\0');
  if (PKCS5_PBKDF2_HMAC_SHA1(password.data(), static_cast<int>(password.size()),
                             reinterpret_cast<const unsigned char*>(salt.data()), static_cast<int>(salt.size()),
                             iterations, static_cast<int>(key.size()), reinterpret_cast<unsigned char*>(key.data())) != 1)
    return std::nullopt;
  return key;
}

}  // namespace fennick::crypto
