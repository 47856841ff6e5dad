#include "support/ScriptedDialogs.h"

QStringList ScriptedDialogs::texts() const
{
    QStringList result;
    for (const Message &message : messages)
        result << message.text;
    return result;
}

void ScriptedDialogs::information(QWidget *, const QString &text, const QString &caption)
{
    messages.append({Kind::Information, caption, text});
}

void ScriptedDialogs::warning(QWidget *, const QString &text, const QString &caption)
{
    messages.append({Kind::Warning, caption, text});
}

void ScriptedDialogs::error(QWidget *, const QString &text, const QString &caption)
{
    messages.append({Kind::Error, caption, text});
}

bool ScriptedDialogs::question(QWidget *, const QString &text, const QString &caption)
{
    messages.append({Kind::Question, caption, text});
    return answers.isEmpty() ? false : answers.takeFirst();
}

bool ScriptedDialogs::questionDefaultNo(QWidget *, const QString &text, const QString &caption)
{
    messages.append({Kind::Question, caption, text, true});
    return answers.isEmpty() ? false : answers.takeFirst();
}

QString ScriptedDialogs::nextFileName()
{
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString ScriptedDialogs::openFileName(QWidget *, const QString &, const QString &, const QString &)
{
    return nextFileName();
}

QString ScriptedDialogs::saveFileName(QWidget *, const QString &, const QString &, const QString &)
{
    return nextFileName();
}

QString ScriptedDialogs::existingDirectory(QWidget *, const QString &, const QString &)
{
    return nextFileName();
}

bool ScriptedDialogs::openUrl(const QUrl &url)
{
    openedUrls.append(url);
    return true;
}

void ScriptedDialogs::printPreview(QWidget *, const QString &,
                                   const std::function<void(QPrinter *)> &paint)
{
    ++previews;
    if (onPreview)
        onPreview(paint);
}
