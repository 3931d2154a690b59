// Entry point of every test program: isolates the run from the user's
// desktop before the QApplication exists (test discovery also runs this
// binary, outside CTest's environment).
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {
void isolateEnvironment(const QString &root)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox --disable-background-networking");
    const char *folders[][2] = {{"XDG_CONFIG_HOME", "config"}, {"XDG_DATA_HOME", "data"},
                                {"XDG_CACHE_HOME", "cache"}, {"XDG_RUNTIME_DIR", "runtime"},
                                {"HOME", "home"}};
    for (const auto &f : folders) {
        const QString path = root + QLatin1Char('/') + QLatin1String(f[1]);
        QDir().mkpath(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv(f[0], QFile::encodeName(path));
    }
}
} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir root(QDir::tempPath() + QStringLiteral("/vtqx-test-XXXXXX"));
    if (!root.isValid())
        return 2;
    isolateEnvironment(root.path());
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
