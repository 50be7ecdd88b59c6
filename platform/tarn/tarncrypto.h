#ifndef TARNCRYPTO_H
#define TARNCRYPTO_H

// The protocol's cryptography, on libsodium: every device has a long-lived
// X25519 key pair that it announces; every request is sealed with a fresh
// ephemeral key pair of the client (crypto_box), and the device seals its reply
// with the same shared key. Nothing secret crosses the wire in clear, and a
// changed byte makes a message fail to open.

#include <array>
#include <cstdint>
#include <optional>

#include "tarnwire.h"

namespace tarnwire {

using PublicKey = std::array<uint8_t, kPublicKeySize>;
using SecretKey = std::array<uint8_t, 32>;
using SharedKey = std::array<uint8_t, 32>;

struct KeyPair {
    PublicKey publicKey{};
    SecretKey secretKey{};
};

bool cryptoInit();
KeyPair generateKeyPair();
uint64_t randomU64();
void randomBytes(uint8_t *out, size_t size);

// Client side: a fresh ephemeral key pair and the key shared with the device.
struct SealedRequest {
    PublicKey ephemeralKey{};
    SharedKey sharedKey{};
    Bytes nonceAndCipher;      // nonce followed by the ciphertext
};
std::optional<SealedRequest> sealRequest(const PublicKey &devicePublicKey, const Bytes &plain);

// Device side: the shared key from the client's ephemeral key.
std::optional<SharedKey> deviceSharedKey(const SecretKey &deviceSecretKey, const PublicKey &ephemeralKey);

Bytes seal(const SharedKey &key, const Bytes &plain);   // nonce + ciphertext
std::optional<Bytes> open(const SharedKey &key, const uint8_t *nonceAndCipher, size_t size);

// Short keyed hash of a device's announced record, for the known-device lists of
// repeated inquiries; the salt changes every round so that a collision never
// hides one device for long.
uint32_t knownRecordHash(const uint8_t salt[kSaltSize], const uint8_t *record, size_t size);

} // namespace tarnwire

#endif // TARNCRYPTO_H
