#ifndef MAKERDESK_H
#define MAKERDESK_H

// The device maker's side of password recovery, simulated so that every
// recovery method can be finished in the demo. The maker holds an Ed25519
// signing key pair in its folder; devices know only the public key. A key is
// the maker's signature over a key request that a device drew at random
// (with its expiry inside), so it can never be derived from what a device
// announces. An e-mail reset request carries the device's random
// verification code sealed to the maker's key; the maker opens it and
// "mails" the code into a mailbox folder. Security codes for the default
// password restore are asked for through a request file, which the
// simulator answers with the device's fresh random code.
//
// Folder layout: maker-key (secret, 0600), mailbox/<address>.txt,
// requests/<serial>.security-code, security-codes/<serial>.txt.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace devsim {

class MakerDesk
{
public:
    using SignPublicKey = std::array<uint8_t, 32>;
    using BoxPublicKey = std::array<uint8_t, 32>;

    // TARN_MAKER_DIR, else a folder of this user under the temporary folder.
    static std::string defaultDir();

    explicit MakerDesk(std::string dir);
    ~MakerDesk();
    MakerDesk(const MakerDesk &) = delete;
    MakerDesk &operator=(const MakerDesk &) = delete;

    // Creates the folder and the key pair on first use, else loads the pair.
    bool open(std::string *error);

    const std::string &dir() const { return m_dir; }
    const SignPublicKey &signPublicKey() const { return m_signPublic; }
    BoxPublicKey boxPublicKey() const;

    // Maker: the key for a key request, or empty with *error set.
    std::string keyFor(const std::string &requestText, std::string *error) const;
    // Maker: opens an e-mail reset request and delivers its code into the
    // mailbox; gives the mailbox file.
    bool deliverEmailCode(const std::string &qrText, std::string *mailboxFile, std::string *error) const;

    std::string mailboxFile(const std::string &address) const;
    std::string securityCodeRequestFile(const std::string &serial) const;
    std::string securityCodeAnswerFile(const std::string &serial) const;
    std::string requestsDir() const;

    // Shared by both sides.
    static constexpr const char *kMakerAddress = "recovery@tarn-maker.example";
    static constexpr const char *kKeyRequestTag = "TARNKEY1";
    static constexpr const char *kEmailRequestTag = "TARNMAIL1";
    static constexpr size_t kEmailCodeLength = 8;      // e-mail verification code
    static constexpr size_t kSecurityCodeLength = 12;  // default password restore

    static std::string base32(const uint8_t *data, size_t size);
    static bool fromBase32(const std::string &text, std::vector<uint8_t> *out);
    // Upper case, without spaces, tabs, line breaks and dashes: how keys and
    // codes are compared, so that grouped or lower-case typing is accepted.
    static std::string normalised(const std::string &text);
    // Groups of five separated by dashes, to keep long texts typeable.
    static std::string grouped(const std::string &text);
    // A random code of `length` base32 characters.
    static std::string randomCode(size_t length);

    // Device: whether keyText is the maker's key for requestText.
    static bool verifyKey(const SignPublicKey &makerKey, const std::string &requestText, const std::string &keyText);
    // Device: the e-mail reset request text carrying code sealed to the maker.
    static std::string sealEmailRequest(const BoxPublicKey &makerKey, const std::string &serial,
                                        const std::string &address, const std::string &code);
    // Longest reserved address whose e-mail reset request still fits the
    // 255 text bytes of the information record.
    static size_t maxAddressLength(const std::string &serial);

private:
    static std::string fileSafe(const std::string &name);

    std::string m_dir;
    SignPublicKey m_signPublic{};
    std::array<uint8_t, 64> m_signSecret{};
};

} // namespace devsim

#endif // MAKERDESK_H
