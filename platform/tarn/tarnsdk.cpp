// The library's C interface: argument checks, the per-thread error code, and
// the translation of each call into one command of the protocol client.

#include "tarnsdk.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include "tarnclient.h"
#include "tarnlog.h"

using namespace tarnwire;

namespace {

thread_local int t_lastError = TARN_NOERROR;

// The reset request's method byte for a key file, and where the file's path is.
constexpr unsigned char kResetMethodKeyFile = 2;
constexpr size_t kKeyFilePathOffset = 280;
constexpr size_t kKeyFilePathSize = 260;
// Key files are short texts; anything far larger is not one.
constexpr size_t kMaxKeyFileSize = 16384;

int fail(int code)
{
    t_lastError = code;
    return 0;
}

// Texts as the library takes them: NUL-terminated and short enough for the protocol.
bool validText(const char *text, size_t maxLength, bool mayBeEmpty = false)
{
    if (!text)
        return false;
    const size_t n = ::strnlen(text, maxLength + 1);
    return n <= maxLength && (mayBeEmpty || n > 0);
}

Bytes textField(const char *text)
{
    return Bytes(text, text + std::strlen(text));
}

Bytes blockField(const void *data, size_t size)
{
    const auto *p = static_cast<const uint8_t *>(data);
    return size ? Bytes(p, p + size) : Bytes();
}

int runCommand(const TarnClient::Command &command, void *output, unsigned int outputLength)
{
    const TarnClient::Result result = TarnClient::instance().run(command);
    if (output && outputLength) {
        // The device's output also carries the retries and lock time after a failure.
        std::memcpy(output, result.output.data(), std::min<size_t>(outputLength, result.output.size()));
    }
    return result.error ? fail(result.error) : 1;
}

TarnClient::Command makeCommand(TargetKind kind, const char *target, Operation operation)
{
    TarnClient::Command c;
    c.target = {kind, target};
    c.operation = operation;
    return c;
}

constexpr size_t kMaxKeyText = 47;
static_assert(TARN_MAX_CONFIG_LENGTH <= tarnwire::kMaxOutputCapacity, "outputs fit a reply");     // serial numbers and MAC addresses
constexpr size_t kMaxSecretText = 255;

} // namespace

extern "C" {

int TARN_Start_V40(TARN_AnnouncementCallback callback, int flag, void *userData)
{
    if (!callback || flag != 1)
        return fail(TARN_ERR_PARAMETER);
    const int error = TarnClient::instance().start(callback, userData);
    return error ? fail(error) : 1;
}

int TARN_Stop(void)
{
    const int error = TarnClient::instance().stop();
    return error ? fail(error) : 1;
}

int TARN_SendInquiry(void)
{
    const int error = TarnClient::instance().sendInquiry();
    return error ? fail(error) : 1;
}

int TARN_Clearup(void)
{
    TarnClient::instance().clearup();
    return 1;
}

int TARN_SetLogToFile(int logLevel, const char *logDirectory, int autoDelete)
{
    if (logLevel < 0 || logLevel > 3)
        return fail(TARN_ERR_PARAMETER);
    if (logLevel == 0) {
        TarnLog::instance().close();
        return 1;
    }
    if (!TarnLog::instance().open(logLevel, logDirectory ? logDirectory : "", autoDelete != 0))
        return fail(TARN_ERR_PARAMETER);
    return 1;
}

int TARN_SetDeviceFilterRule(int rule, int reserved1, int reserved2)
{
    if (rule < 0 || rule > (TARN_FILTER_MALFORMED | TARN_FILTER_KEY_CHANGED) || reserved1 != 0 || reserved2 != 0)
        return fail(TARN_ERR_PARAMETER);
    TarnClient::instance().setFilterRule(rule);
    return 1;
}

int TARN_GetLastError(void)
{
    return t_lastError;
}

int TARN_ActivateDevice(const char *serialNumber, const char *password)
{
    if (!validText(serialNumber, kMaxKeyText) || !validText(password, kMaxSecretText))
        return fail(TARN_ERR_PARAMETER);
    auto c = makeCommand(TargetKind::Serial, serialNumber, Operation::Activate);
    c.fields = {textField(password)};
    return runCommand(c, nullptr, 0);
}

int TARN_ModifyDeviceNetParam_V40(const char *macAddress, const char *password, const TarnNetParam *netParam,
                                  char *reply, unsigned int replyLength)
{
    if (!validText(macAddress, kMaxKeyText) || !validText(password, kMaxSecretText) || !netParam ||
        (replyLength && !reply) || replyLength > TARN_MAX_CONFIG_LENGTH)
        return fail(TARN_ERR_PARAMETER);
    auto c = makeCommand(TargetKind::Mac, macAddress, Operation::ModifyNetParam);
    c.fields = {textField(password), blockField(netParam, sizeof *netParam)};
    c.outputCapacity = replyLength;
    return runCommand(c, reply, replyLength);
}

static int deviceConfig(Operation operation, const char *serialNumber, unsigned int command, const void *input,
                        unsigned int inputLength, void *output, unsigned int outputLength)
{
    if (!validText(serialNumber, kMaxKeyText) || (inputLength && !input) || (outputLength && !output) ||
        inputLength > TARN_MAX_CONFIG_LENGTH || outputLength > TARN_MAX_CONFIG_LENGTH)
        return fail(TARN_ERR_PARAMETER);
    auto c = makeCommand(TargetKind::Serial, serialNumber, operation);
    c.command = command;
    c.fields = {blockField(input, inputLength)};
    c.outputCapacity = outputLength;
    return runCommand(c, output, outputLength);
}

int TARN_GetDeviceConfig(const char *serialNumber, unsigned int command, const void *input, unsigned int inputLength,
                         void *output, unsigned int outputLength)
{
    return deviceConfig(Operation::GetConfig, serialNumber, command, input, inputLength, output, outputLength);
}

int TARN_SetDeviceConfig(const char *serialNumber, unsigned int command, const void *input, unsigned int inputLength,
                         void *output, unsigned int outputLength)
{
    return deviceConfig(Operation::SetConfig, serialNumber, command, input, inputLength, output, outputLength);
}

static int wifiCommand(Operation operation, const char *macAddress, const char *ssid, const char *password)
{
    if (!validText(macAddress, kMaxKeyText) || !validText(ssid, 32) || !validText(password, 63, true))
        return fail(TARN_ERR_PARAMETER);
    auto c = makeCommand(TargetKind::Mac, macAddress, operation);
    c.fields = {textField(ssid), textField(password)};
    return runCommand(c, nullptr, 0);
}

int TARN_WifiParamCfg(const char *macAddress, const char *ssid, const char *password)
{
    return wifiCommand(Operation::WifiConfig, macAddress, ssid, password);
}

int TARN_WifiParamCheck(const char *macAddress, const char *ssid, const char *password)
{
    return wifiCommand(Operation::WifiCheck, macAddress, ssid, password);
}

int TARN_ResetPasswd_V40(const char *serialNumber, const void *resetRequest, void *failureInfo)
{
    if (!validText(serialNumber, kMaxKeyText) || !resetRequest)
        return fail(TARN_ERR_PARAMETER);
    auto c = makeCommand(TargetKind::Serial, serialNumber, Operation::ResetPassword);
    c.fields = {blockField(resetRequest, TARN_RESET_REQUEST_SIZE)};
    // A key file lives on this machine, not on the device: its content goes
    // along as a second field (empty when the file cannot be read, and the
    // device's answer decides).
    const auto *request = static_cast<const unsigned char *>(resetRequest);
    if (request[4] == kResetMethodKeyFile) {
        const std::string path(reinterpret_cast<const char *>(request + kKeyFilePathOffset),
                               strnlen(reinterpret_cast<const char *>(request + kKeyFilePathOffset),
                                       kKeyFilePathSize));
        Bytes content;
        std::ifstream file(path, std::ios::binary);
        if (file)
            content.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        if (content.size() > kMaxKeyFileSize)
            content.clear();
        c.fields.push_back(std::move(content));
    }
    c.outputCapacity = failureInfo ? TARN_RESET_FAILURE_SIZE : 0;
    return runCommand(c, failureInfo, failureInfo ? TARN_RESET_FAILURE_SIZE : 0);
}

int TARN_ResetDefaultPasswd(const char *serialNumber, const char *securityCode)
{
    if (!validText(serialNumber, kMaxKeyText) || !validText(securityCode, kMaxSecretText))
        return fail(TARN_ERR_PARAMETER);
    auto c = makeCommand(TargetKind::Serial, serialNumber, Operation::ResetDefaultPassword);
    c.fields = {textField(securityCode)};
    return runCommand(c, nullptr, 0);
}

} // extern "C"
