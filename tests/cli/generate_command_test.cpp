// "generate" in this process: a signal that arrives once the batch is over lets the save finish.
#include <gtest/gtest.h>

#include <csignal>

#include <QFile>
#include <QTemporaryDir>

#include "cli/commands.h"
#include "storage/data_file.h"

namespace xs::cli {
namespace {

std::int32_t StoredTotal(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = file.readAll();
    std::int32_t total = -1;
    if (bytes.size() == static_cast<qint64>(kDataFileSize))
        std::memcpy(&total, bytes.constData() + 272, sizeof total);
    return total;
}

TEST(GenerateCommand, ASignalDuringTheSaveLetsItFinishAndSetsTheExitCode) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kDataFileName);
    TParsedArgs args;
    std::string error;
    ASSERT_TRUE(ParseArgs(kGenerateCommand,
                          {"--size", "mini", "--stars", "1", "--count", "2", "--seed", "5",
                           "--data", path.toStdString()},
                          args, error))
        << error;
    const struct {
        int Signal;
        int Exit;
    } cases[] = {{SIGINT, 130}, {SIGTERM, 143}, {SIGHUP, 129}};
    std::int32_t expected = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Signal);
        testing::internal::CaptureStderr();
        EXPECT_EQ(RunGenerate(args, [&c] { std::raise(c.Signal); }), c.Exit);
        testing::internal::GetCapturedStderr();
        expected += 2;
        EXPECT_EQ(StoredTotal(path), expected);
        struct sigaction now = {};
        sigaction(c.Signal, nullptr, &now);
        EXPECT_EQ(now.sa_handler, SIG_DFL) << "the handler is put back after the save";
    }
}

}  // namespace
}  // namespace xs::cli
