#pragma once
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

// Shared set-up of the fuzz targets: one Qt application for the whole run,
// created on the first input, on the off-screen platform.
template <typename App> void ensureFuzzApp()
{
    static App *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz";
        static char *argv[] = {name, nullptr};
        return new App(argc, argv);
    }();
    (void)app;
}

// Stops the run with a message when an expected property does not hold; the
// fuzzer records the input that got here as a crash.
inline void fuzzCheck(bool ok, const char *what, const QString &detail = QString())
{
    if (ok)
        return;
    qFatal("invariant broken: %s [%s]", what, qPrintable(detail.left(400)));
}

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}
