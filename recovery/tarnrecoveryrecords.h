#ifndef TARNRECOVERYRECORDS_H
#define TARNRECOVERYRECORDS_H

// The fixed-layout records that the password recovery passes to the
// discovery library: the reset request with its proofs, the security
// question list, the reserved e-mail and GUID export inputs, and the data
// blocks and information records the device answers with. Every integer is
// little-endian; texts are 8-bit bytes without a terminating zero when they
// fill their field. Each record is zero-filled when constructed, so that a
// default-constructed record is the zeroed buffer the calls expect.

#include <cstddef>
#include <cstdint>

// Sizes in bytes of the records, as the device expects them.
enum : std::uint32_t {
    TarnQuestionEntrySize = 392,
    TarnResetRequestSize = 14256,
    TarnQuestionListSize = 13076,
    TarnReservedEmailParamSize = 276,
    TarnGuidExportInputSize = 144,
    TarnEmailResetInfoSize = 652,
    TarnResetFailureInfoSize = 256,
    TarnKeyRequestBlockSize = 260,
    TarnKeyRequestQrBlockSize = 388,
    TarnGuidExportBlockSize = 388
};

// Number of question IDs (1 to 15); an entry of ID n sits at position n when
// written, while a read list fills positions 0 to 14 in the device's order.
constexpr int TarnQuestionCount = 15;

// The GUID file holds this many bytes of the export's data area.
constexpr int TarnGuidFileSize = 128;

// One security question with its answer.
struct TarnQuestionEntry
{
    std::uint32_t questionId = 0;    // 1 to 15
    char answer[256] = {};
    std::uint8_t isSet = 0;          // 1 = set (read) or answered (written)
    char reserved[131] = {};
};

// Input of TARN_ResetPasswd_V40: the method and its proof.
struct TarnResetRequest
{
    std::uint32_t size = TarnResetRequestSize;
    std::uint8_t method = 0;         // 2 key file, 3 typed key, 4 GUID, 5 questions, 6 e-mail
    std::uint8_t synchronize = 0;    // 1 = also reset the linked cameras' password
    char reserved1[2] = {};
    char newPassword[16] = {};
    char keyText[256] = {};          // typed key (3) or e-mail verification code (6)
    char keyFilePath[260] = {};      // full path of the key file copy (2)
    char guid[128] = {};             // GUID file content (4)
    char reserved2[8] = {};
    // Entry of question ID n at position n (5); position 0 stays zero.
    TarnQuestionEntry questions[TarnQuestionCount + 1] = {};
    char reserved3[7308] = {};
};

// Output of the security question read, input of the security question set.
struct TarnQuestionList
{
    std::uint32_t size = TarnQuestionListSize;
    char reserved1[4] = {};
    // Read: positions 0 to 14 in the device's order. Written: the entry of
    // question ID n at position n (1 to 15), position 0 zero.
    TarnQuestionEntry entries[TarnQuestionCount + 1] = {};
    char reserved2[6268] = {};
    char adminPassword[16] = {};     // written only
    char reserved3[512] = {};
};

// Input of the reserved e-mail set.
struct TarnReservedEmailParam
{
    std::uint32_t size = TarnReservedEmailParamSize;
    char adminPassword[16] = {};
    char email[256] = {};
};

// Input of the GUID export.
struct TarnGuidExportInput
{
    char adminPassword[16] = {};
    char reserved[128] = {};
};

// Output of the e-mail reset information read.
struct TarnEmailResetInfo
{
    std::uint32_t word = 0;          // not read
    char reserved[8] = {};
    char qrText[256] = {};           // the request sent to the maker
    char reservedEmail[128] = {};    // the reserved address as the device shows it
    char companyEmail[256] = {};     // the maker's address the QR code goes to
};

// Output of the key request and GUID export commands: a length word and a
// data area. The key requests want the word 0 before the call and give the
// number of valid bytes back; the GUID export wants it set to the block's
// size before the call.
template<std::size_t N>
struct TarnDataBlock
{
    std::uint32_t length = 0;
    char data[N] = {};
};

using TarnKeyRequestBlock = TarnDataBlock<256>;   // key request (command 1)
using TarnKeyRequestQrBlock = TarnDataBlock<384>; // key request for a QR code (command 2)
using TarnGuidExportBlock = TarnDataBlock<384>;   // GUID export (command 5)

// Third argument of TARN_ResetPasswd_V40: what the device says about a
// refused proof.
struct TarnResetFailureInfo
{
    std::uint8_t bytes[256] = {};

    std::uint8_t attemptsLeft() const { return bytes[0]; }
    std::uint8_t lockMinutes() const { return bytes[1]; }
};

static_assert(sizeof(TarnQuestionEntry) == TarnQuestionEntrySize, "question entry layout");
static_assert(offsetof(TarnQuestionEntry, questionId) == 0, "question entry layout");
static_assert(offsetof(TarnQuestionEntry, answer) == 4, "question entry layout");
static_assert(offsetof(TarnQuestionEntry, isSet) == 260, "question entry layout");
static_assert(offsetof(TarnQuestionEntry, reserved) == 261, "question entry layout");

static_assert(sizeof(TarnResetRequest) == TarnResetRequestSize, "reset request layout");
static_assert(offsetof(TarnResetRequest, size) == 0, "reset request layout");
static_assert(offsetof(TarnResetRequest, method) == 4, "reset request layout");
static_assert(offsetof(TarnResetRequest, synchronize) == 5, "reset request layout");
static_assert(offsetof(TarnResetRequest, reserved1) == 6, "reset request layout");
static_assert(offsetof(TarnResetRequest, newPassword) == 8, "reset request layout");
static_assert(offsetof(TarnResetRequest, keyText) == 24, "reset request layout");
static_assert(offsetof(TarnResetRequest, keyFilePath) == 280, "reset request layout");
static_assert(offsetof(TarnResetRequest, guid) == 540, "reset request layout");
static_assert(offsetof(TarnResetRequest, reserved2) == 668, "reset request layout");
static_assert(offsetof(TarnResetRequest, questions) == 676, "reset request layout");
static_assert(offsetof(TarnResetRequest, reserved3) == 676 + 392 * 16, "reset request layout");

static_assert(sizeof(TarnQuestionList) == TarnQuestionListSize, "question list layout");
static_assert(offsetof(TarnQuestionList, size) == 0, "question list layout");
static_assert(offsetof(TarnQuestionList, reserved1) == 4, "question list layout");
static_assert(offsetof(TarnQuestionList, entries) == 8, "question list layout");
static_assert(offsetof(TarnQuestionList, reserved2) == 8 + 392 * 16, "question list layout");
static_assert(offsetof(TarnQuestionList, adminPassword) == 12548, "question list layout");
static_assert(offsetof(TarnQuestionList, reserved3) == 12564, "question list layout");

static_assert(sizeof(TarnReservedEmailParam) == TarnReservedEmailParamSize, "reserved e-mail layout");
static_assert(offsetof(TarnReservedEmailParam, size) == 0, "reserved e-mail layout");
static_assert(offsetof(TarnReservedEmailParam, adminPassword) == 4, "reserved e-mail layout");
static_assert(offsetof(TarnReservedEmailParam, email) == 20, "reserved e-mail layout");

static_assert(sizeof(TarnGuidExportInput) == TarnGuidExportInputSize, "GUID export input layout");
static_assert(offsetof(TarnGuidExportInput, adminPassword) == 0, "GUID export input layout");
static_assert(offsetof(TarnGuidExportInput, reserved) == 16, "GUID export input layout");

static_assert(sizeof(TarnEmailResetInfo) == TarnEmailResetInfoSize, "e-mail reset info layout");
static_assert(offsetof(TarnEmailResetInfo, word) == 0, "e-mail reset info layout");
static_assert(offsetof(TarnEmailResetInfo, reserved) == 4, "e-mail reset info layout");
static_assert(offsetof(TarnEmailResetInfo, qrText) == 12, "e-mail reset info layout");
static_assert(offsetof(TarnEmailResetInfo, reservedEmail) == 268, "e-mail reset info layout");
static_assert(offsetof(TarnEmailResetInfo, companyEmail) == 396, "e-mail reset info layout");

static_assert(sizeof(TarnKeyRequestBlock) == TarnKeyRequestBlockSize, "key request block layout");
static_assert(offsetof(TarnKeyRequestBlock, data) == 4, "key request block layout");
static_assert(sizeof(TarnKeyRequestQrBlock) == TarnKeyRequestQrBlockSize, "key request QR block layout");
static_assert(offsetof(TarnKeyRequestQrBlock, data) == 4, "key request QR block layout");
static_assert(sizeof(TarnGuidExportBlock) == TarnGuidExportBlockSize, "GUID export block layout");
static_assert(offsetof(TarnGuidExportBlock, data) == 4, "GUID export block layout");

static_assert(sizeof(TarnResetFailureInfo) == TarnResetFailureInfoSize, "reset failure layout");

#endif // TARNRECOVERYRECORDS_H
