#pragma once
// AES-256-CBC with PKCS#7 padding, PBKDF2-HMAC-SHA1 and random bytes, through OpenSSL's EVP
// interface. Keys and results are raw bytes.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace fennick::crypto {

constexpr std::size_t kAesKeyBytes = 32;
constexpr std::size_t kAesBlockBytes = 16;
constexpr std::size_t kDerivedKeyBytes = 32;

// Fills count bytes from the cryptographic generator; false when it fails.
bool RandomBytes(unsigned char* out, std::size_t count);

// key holds kAesKeyBytes bytes, iv kAesBlockBytes. Encryption gives the cipher text alone (the
// text's length rounded up to the next multiple of the block); decryption gives the plain text,
// or nothing when the data does not decrypt (wrong key, bad padding, a partial last block).
std::optional<std::string> Aes256CbcEncrypt(const unsigned char* key, const unsigned char* iv, std::string_view text);
std::optional<std::string> Aes256CbcDecrypt(const unsigned char* key, const unsigned char* iv, std::string_view data);

// kDerivedKeyBytes bytes of PBKDF2-HMAC-SHA1; nothing when OpenSSL refuses the input.
std::optional<std::string> Pbkdf2HmacSha1(std::string_view password, std::string_view salt, int iterations);

}  // namespace fennick::crypto
