#pragma once

#include <QDir>
#include <QWidget>

// Saves a picture of `widget` as ARTICLE_SCREENSHOT_DIR/name.png, for a person to look
// at; returns false when it could not be written.
inline bool saveScreenshot(QWidget &widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("ARTICLE_SCREENSHOT_DIR");
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    return widget.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}
