#pragma once

#include "files/Failure.h"
#include "records/CsvTable.h"
#include "records/PublicRecords.h"

#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace grd {

struct DownloadLimits {
    // The download fails when the server sends nothing for this long.
    std::chrono::milliseconds timeout{30'000};
    std::int64_t maxBytes = static_cast<std::int64_t>(kMaxRecordsFileBytes);
};

// Told the bytes received and expected (-1 when the server does not say), several times a
// second; false cancels the download.
using DownloadProgress = std::function<bool(std::int64_t received, std::int64_t expected)>;

// Downloads the file at an http or https address, following redirects (never from https to
// http), through the proxy the environment names; runs its own event loop until done,
// so a QCoreApplication must exist. The failure's detail names the address and the cause:
// no network, a TLS error, the HTTP status, too large, no answer within the timeout, or
// "cancelled" (number 0) when progress said so; other failures carry kImportError.
Result<std::string> downloadFile(const QString& address, const DownloadLimits& limits = {},
                                 const DownloadProgress& progress = {});

struct FetchedRecords {
    std::string text;
    RecordsSummary summary;
};

// Downloads game records and accepts them only in the public layout (checkPublicRecords);
// a file that is not fails with kImportError naming the address and what is wrong.
Result<FetchedRecords> fetchPublicRecords(const QString& address, std::string_view seasonLabel,
                                          const DownloadLimits& limits = {},
                                          const DownloadProgress& progress = {});

} // namespace grd
