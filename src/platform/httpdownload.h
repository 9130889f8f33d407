#pragma once

#include <QString>

#include <chrono>

namespace parlora {

// How long and how large a download may get before it is given up. A server
// that hangs or sends without end must not hold the program or fill the disk.
struct DownloadLimits {
    std::chrono::milliseconds timeout{15000};
    qint64 maxBytes = 1024 * 1024;
};

// Error numbers a failed download carries, in the numbering the program has
// always used for them: small numbers for the runtime's own errors, the
// application range (0x80040000 plus an offset) for the download's.
namespace downloaderror {
inline constexpr qint32 InvalidArgument = 5;
inline constexpr qint32 DeviceIo = 57;
inline constexpr qint32 PathFileAccess = 75;
inline constexpr qint32 ApplicationBase = qint32(0x80040000u);
inline constexpr qint32 OpenUrlFailed = ApplicationBase + 1000;
inline constexpr qint32 TimedOut = ApplicationBase + 1001;
inline constexpr qint32 TooLarge = ApplicationBase + 1002;
inline constexpr qint32 BrokenOff = ApplicationBase + 1003;
} // namespace downloaderror

// The outcome of a download: on failure a number and a description.
struct DownloadResult {
    bool ok = true;
    qint32 errorNumber = 0;
    QString description;

    static DownloadResult failure(qint32 number, QString text) { return {false, number, std::move(text)}; }
    explicit operator bool() const { return ok; }
};

// Fetches the address with a plain GET (system proxy settings) and writes the
// body, in the order it arrives, to the file. Whatever body the server sends
// is kept, an error page too: only a missing answer is a failure. The file is
// replaced only by a complete download; a failure leaves it as it was.
// Waits in a local event loop that does not process user input, so the
// caller's window cannot start a second request meanwhile.
DownloadResult CopyURLToFile(const QString &url, const QString &fileName, const DownloadLimits &limits = {});

} // namespace parlora
