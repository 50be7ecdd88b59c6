#include "makerdesk.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QSaveFile>
#include <QString>

#include <cstdlib>
#include <cstring>
#include <sodium.h>
#include <unistd.h>

namespace devsim {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ234567";
constexpr size_t kEmailCodeLength = MakerDesk::kEmailCodeLength;
constexpr size_t kBindingSize = 16;
constexpr size_t kEmailPayloadSize = kEmailCodeLength + kBindingSize;
constexpr size_t kEmailSealedSize = kEmailPayloadSize + crypto_box_SEALBYTES;

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

// Binds a sealed code to the device and address it was drawn for, so that
// nobody can redirect the code to another mailbox by editing the clear parts.
std::array<uint8_t, kBindingSize> binding(const std::string &serial, const std::string &address)
{
    const std::string bound = serial + ";" + address;
    std::array<uint8_t, kBindingSize> out{};
    crypto_generichash(out.data(), out.size(), reinterpret_cast<const unsigned char *>(bound.data()), bound.size(),
                       nullptr, 0);
    return out;
}

bool writeSecretFile(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    file.write(content);
    return file.commit();
}

std::string trimmed(const std::string &text)
{
    return QString::fromStdString(text).trimmed().toStdString();
}

} // namespace

std::string MakerDesk::defaultDir()
{
    const QByteArray fromEnvironment = qgetenv("TARN_MAKER_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment.toStdString();
    return (QDir::tempPath() + "/tarn-maker-" + QString::number(getuid())).toStdString();
}

MakerDesk::MakerDesk(std::string dir)
    : m_dir(std::move(dir))
{
}

MakerDesk::~MakerDesk()
{
    sodium_memzero(m_signSecret.data(), m_signSecret.size());
}

bool MakerDesk::open(std::string *error)
{
    if (sodium_init() < 0) {
        *error = "libsodium cannot start";
        return false;
    }
    QDir dir(q(m_dir));
    for (const char *sub : {"", "mailbox", "requests", "security-codes"}) {
        const QString path = dir.filePath(QString::fromLatin1(sub));
        if (!QDir().mkpath(path)) {
            *error = "cannot create " + path.toStdString();
            return false;
        }
    }
    // The folder holds the maker's secret key and delivered codes.
    QFile::setPermissions(q(m_dir), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    const QString keyPath = dir.filePath("maker-key");
    QFile keyFile(keyPath);
    if (keyFile.exists()) {
        if (!keyFile.open(QIODevice::ReadOnly)) {
            *error = "cannot read " + keyPath.toStdString();
            return false;
        }
        QByteArray hex = keyFile.readAll().trimmed();
        QByteArray seed = QByteArray::fromHex(hex);
        sodium_memzero(hex.data(), size_t(hex.size()));
        if (seed.size() != int(crypto_sign_SEEDBYTES)) {
            *error = keyPath.toStdString() + " does not hold a maker key";
            return false;
        }
        crypto_sign_seed_keypair(m_signPublic.data(), m_signSecret.data(),
                                 reinterpret_cast<const unsigned char *>(seed.constData()));
        sodium_memzero(seed.data(), size_t(seed.size()));
        return true;
    }
    std::array<uint8_t, crypto_sign_SEEDBYTES> seed{};
    randombytes_buf(seed.data(), seed.size());
    crypto_sign_seed_keypair(m_signPublic.data(), m_signSecret.data(), seed.data());
    QByteArray hex = QByteArray(reinterpret_cast<const char *>(seed.data()), int(seed.size())).toHex();
    sodium_memzero(seed.data(), seed.size());
    const bool written = writeSecretFile(keyPath, hex + "\n");
    sodium_memzero(hex.data(), size_t(hex.size()));
    if (!written) {
        *error = "cannot write " + keyPath.toStdString();
        return false;
    }
    return true;
}

MakerDesk::BoxPublicKey MakerDesk::boxPublicKey() const
{
    BoxPublicKey out{};
    // Fails only for a malformed public key, which a generated pair never is.
    if (crypto_sign_ed25519_pk_to_curve25519(out.data(), m_signPublic.data()) != 0)
        out.fill(0);
    return out;
}

std::string MakerDesk::keyFor(const std::string &requestText, std::string *error) const
{
    const std::string text = trimmed(requestText);
    const std::vector<std::string> parts = split(text, ';');
    if (parts.size() != 4 || parts[0] != kKeyRequestTag || parts[1].empty()) {
        *error = "this is not a key request of a TARN device";
        return {};
    }
    std::array<uint8_t, crypto_sign_BYTES> signature{};
    crypto_sign_detached(signature.data(), nullptr, reinterpret_cast<const unsigned char *>(text.data()),
                         text.size(), m_signSecret.data());
    return grouped(base32(signature.data(), signature.size()));
}

bool MakerDesk::deliverEmailCode(const std::string &qrText, std::string *mailboxPath, std::string *error) const
{
    const std::vector<std::string> parts = split(trimmed(qrText), ';');
    if (parts.size() != 4 || parts[0] != kEmailRequestTag || parts[1].empty() || parts[2].empty()) {
        *error = "this is not an e-mail reset request of a TARN device";
        return false;
    }
    std::vector<uint8_t> sealed(kEmailSealedSize + 8);
    size_t sealedSize = 0;
    if (sodium_base642bin(sealed.data(), sealed.size(), parts[3].data(), parts[3].size(), nullptr, &sealedSize,
                          nullptr, sodium_base64_VARIANT_URLSAFE_NO_PADDING) != 0 ||
        sealedSize != kEmailSealedSize) {
        *error = "the e-mail reset request is damaged";
        return false;
    }
    std::array<uint8_t, 32> boxSecret{};
    crypto_sign_ed25519_sk_to_curve25519(boxSecret.data(), m_signSecret.data());
    const BoxPublicKey boxPublic = boxPublicKey();
    std::array<uint8_t, kEmailPayloadSize> payload{};
    const bool opened = crypto_box_seal_open(payload.data(), sealed.data(), sealedSize, boxPublic.data(),
                                             boxSecret.data()) == 0;
    sodium_memzero(boxSecret.data(), boxSecret.size());
    const auto expected = binding(parts[1], parts[2]);
    if (!opened || sodium_memcmp(payload.data() + kEmailCodeLength, expected.data(), kBindingSize) != 0) {
        *error = "the e-mail reset request was not made for this maker, device and address";
        return false;
    }
    const std::string code(reinterpret_cast<const char *>(payload.data()), kEmailCodeLength);
    sodium_memzero(payload.data(), payload.size());
    const std::string path = mailboxFile(parts[2]);
    const std::string mail = "To: " + parts[2] + "\nFrom: " + kMakerAddress +
                             "\nSubject: Password reset of device " + parts[1] +
                             "\n\nYour verification code: " + code + "\n";
    if (!writeSecretFile(q(path), QByteArray::fromStdString(mail))) {
        *error = "cannot write " + path;
        return false;
    }
    *mailboxPath = path;
    return true;
}

std::string MakerDesk::mailboxFile(const std::string &address) const
{
    return m_dir + "/mailbox/" + fileSafe(address) + ".txt";
}

std::string MakerDesk::securityCodeRequestFile(const std::string &serial) const
{
    return requestsDir() + "/" + fileSafe(serial) + ".security-code";
}

std::string MakerDesk::securityCodeAnswerFile(const std::string &serial) const
{
    return m_dir + "/security-codes/" + fileSafe(serial) + ".txt";
}

std::string MakerDesk::requestsDir() const
{
    return m_dir + "/requests";
}

std::string MakerDesk::fileSafe(const std::string &name)
{
    std::string out;
    for (char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '@' || c == '.' || c == '-' || c == '+';
        out += plain ? c : '_';
    }
    if (out.empty() || out[0] == '.')
        out.insert(out.begin(), '_');
    return out;
}

std::string MakerDesk::base32(const uint8_t *data, size_t size)
{
    std::string out;
    uint32_t buffer = 0;
    int bits = 0;
    for (size_t i = 0; i < size; ++i) {
        buffer = (buffer << 8) | data[i];
        bits += 8;
        while (bits >= 5) {
            out += kAlphabet[(buffer >> (bits - 5)) & 31];
            bits -= 5;
        }
    }
    if (bits > 0)
        out += kAlphabet[(buffer << (5 - bits)) & 31];
    return out;
}

bool MakerDesk::fromBase32(const std::string &text, std::vector<uint8_t> *out)
{
    out->clear();
    uint32_t buffer = 0;
    int bits = 0;
    for (char c : text) {
        const char *at = std::strchr(kAlphabet, c);
        if (!at || c == '\0')
            return false;
        buffer = (buffer << 5) | uint32_t(at - kAlphabet);
        bits += 5;
        if (bits >= 8) {
            out->push_back(uint8_t(buffer >> (bits - 8)));
            bits -= 8;
        }
    }
    return true;
}

std::string MakerDesk::normalised(const std::string &text)
{
    std::string out;
    for (char c : text) {
        if (c == ' ' || c == '-' || c == '\t' || c == '\r' || c == '\n')
            continue;
        out += (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
    }
    return out;
}

std::string MakerDesk::grouped(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (i && i % 5 == 0)
            out += '-';
        out += text[i];
    }
    return out;
}

std::string MakerDesk::randomCode(size_t length)
{
    std::string out;
    for (size_t i = 0; i < length; ++i)
        out += kAlphabet[randombytes_uniform(32)];
    return out;
}

bool MakerDesk::verifyKey(const SignPublicKey &makerKey, const std::string &requestText, const std::string &keyText)
{
    std::vector<uint8_t> signature;
    if (!fromBase32(normalised(keyText), &signature) || signature.size() != crypto_sign_BYTES)
        return false;
    return crypto_sign_verify_detached(signature.data(), reinterpret_cast<const unsigned char *>(requestText.data()),
                                       requestText.size(), makerKey.data()) == 0;
}

std::string MakerDesk::sealEmailRequest(const BoxPublicKey &makerKey, const std::string &serial,
                                        const std::string &address, const std::string &code)
{
    std::array<uint8_t, kEmailPayloadSize> payload{};
    std::memcpy(payload.data(), code.data(), std::min(code.size(), kEmailCodeLength));
    const auto bound = binding(serial, address);
    std::memcpy(payload.data() + kEmailCodeLength, bound.data(), kBindingSize);
    std::array<uint8_t, kEmailSealedSize> sealed{};
    crypto_box_seal(sealed.data(), payload.data(), payload.size(), makerKey.data());
    sodium_memzero(payload.data(), payload.size());
    char encoded[sodium_base64_ENCODED_LEN(kEmailSealedSize, sodium_base64_VARIANT_URLSAFE_NO_PADDING)];
    sodium_bin2base64(encoded, sizeof encoded, sealed.data(), sealed.size(), sodium_base64_VARIANT_URLSAFE_NO_PADDING);
    return std::string(kEmailRequestTag) + ";" + serial + ";" + address + ";" + encoded;
}

size_t MakerDesk::maxAddressLength(const std::string &serial)
{
    const size_t encoded = sodium_base64_ENCODED_LEN(kEmailSealedSize, sodium_base64_VARIANT_URLSAFE_NO_PADDING) - 1;
    const size_t fixed = std::strlen(kEmailRequestTag) + 3 + serial.size() + encoded;
    return fixed >= 255 ? 0 : 255 - fixed;
}

} // namespace devsim
