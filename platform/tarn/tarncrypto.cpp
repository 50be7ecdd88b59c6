#include "tarncrypto.h"

#include <sodium.h>

namespace tarnwire {

bool cryptoInit()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

KeyPair generateKeyPair()
{
    cryptoInit();
    KeyPair pair;
    crypto_box_keypair(pair.publicKey.data(), pair.secretKey.data());
    return pair;
}

uint64_t randomU64()
{
    cryptoInit();
    uint64_t v = 0;
    randombytes_buf(&v, sizeof v);
    return v;
}

void randomBytes(uint8_t *out, size_t size)
{
    cryptoInit();
    randombytes_buf(out, size);
}

std::optional<SealedRequest> sealRequest(const PublicKey &devicePublicKey, const Bytes &plain)
{
    cryptoInit();
    SealedRequest sealed;
    SecretKey ephemeralSecret{};
    crypto_box_keypair(sealed.ephemeralKey.data(), ephemeralSecret.data());
    const int rc = crypto_box_beforenm(sealed.sharedKey.data(), devicePublicKey.data(), ephemeralSecret.data());
    sodium_memzero(ephemeralSecret.data(), ephemeralSecret.size());
    if (rc != 0)
        return std::nullopt;
    sealed.nonceAndCipher = seal(sealed.sharedKey, plain);
    return sealed;
}

std::optional<SharedKey> deviceSharedKey(const SecretKey &deviceSecretKey, const PublicKey &ephemeralKey)
{
    cryptoInit();
    SharedKey key{};
    if (crypto_box_beforenm(key.data(), ephemeralKey.data(), deviceSecretKey.data()) != 0)
        return std::nullopt;
    return key;
}

Bytes seal(const SharedKey &key, const Bytes &plain)
{
    Bytes out(crypto_box_NONCEBYTES + crypto_box_MACBYTES + plain.size());
    randombytes_buf(out.data(), crypto_box_NONCEBYTES);
    crypto_box_easy_afternm(out.data() + crypto_box_NONCEBYTES, plain.data(), plain.size(), out.data(), key.data());
    return out;
}

std::optional<Bytes> open(const SharedKey &key, const uint8_t *nonceAndCipher, size_t size)
{
    if (size < crypto_box_NONCEBYTES + crypto_box_MACBYTES)
        return std::nullopt;
    const size_t cipherSize = size - crypto_box_NONCEBYTES;
    Bytes plain(cipherSize - crypto_box_MACBYTES);
    if (crypto_box_open_easy_afternm(plain.data(), nonceAndCipher + crypto_box_NONCEBYTES, cipherSize,
                                     nonceAndCipher, key.data()) != 0)
        return std::nullopt;
    return plain;
}

uint32_t knownRecordHash(const uint8_t salt[kSaltSize], const uint8_t *record, size_t size)
{
    static_assert(crypto_shorthash_KEYBYTES == kSaltSize, "salt is the short-hash key");
    uint8_t out[crypto_shorthash_BYTES];
    crypto_shorthash(out, record, size, salt);
    return getU32(out);
}

} // namespace tarnwire
