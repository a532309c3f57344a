#include "app/startup_failure.h"

#include <cstdio>
#include <QGuiApplication>
#include <QMessageBox>

void reportStartupFailure(const QString& message) {
    std::fprintf(stderr, "motorhall: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
    const QString platform = QGuiApplication::platformName();
    // Off-screen platforms have no one to answer a box; it would wait for ever.
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
        return;
    QMessageBox::critical(nullptr, QStringLiteral("Motorhall"), message);
}
