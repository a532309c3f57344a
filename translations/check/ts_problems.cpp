#include "translations/check/ts_problems.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

namespace translations {
namespace {

struct Message {
    QString source;
    QString type;                // of the translation: "", "unfinished", "vanished", "obsolete"
    bool hasEmptyText = true;    // the translation, or one of its plural forms, is empty
    bool hasTranslation = false; // the message holds a translation element at all
};

// The translation element: its text, or its plural forms.
void readTranslation(QXmlStreamReader& xml, Message& message) {
    message.hasTranslation = true;
    message.type = xml.attributes().value(QLatin1String("type")).toString();
    QString text;
    bool hasForms = false;
    bool emptyForm = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::Characters) {
            text += xml.text();
        } else if (token == QXmlStreamReader::StartElement &&
                   xml.name() == QLatin1String("numerusform")) {
            hasForms = true;
            emptyForm |= xml.readElementText().isEmpty();
        } else if (token == QXmlStreamReader::EndElement &&
                   xml.name() == QLatin1String("translation")) {
            break;
        }
    }
    message.hasEmptyText = hasForms ? emptyForm : text.isEmpty();
}

Message readMessage(QXmlStreamReader& xml) {
    Message message;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source"))
            message.source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation"))
            readTranslation(xml, message);
        else
            xml.skipCurrentElement();
    }
    return message;
}

QString problemOf(const Message& message) {
    if (message.type == QLatin1String("vanished") || message.type == QLatin1String("obsolete"))
        return QStringLiteral("gone from the sources");
    if (message.type == QLatin1String("unfinished"))
        return QStringLiteral("unfinished");
    if (!message.hasTranslation || message.hasEmptyText)
        return QStringLiteral("not translated");
    return {};
}

} // namespace

QStringList tsProblems(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("%1: cannot be read: %2").arg(name, file.errorString())};
    QStringList problems;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            const Message message = readMessage(xml);
            const QString problem = problemOf(message);
            if (!problem.isEmpty()) {
                QString source = message.source;
                source.replace(QLatin1Char('\n'), QLatin1String("\\n"));
                problems.append(
                    QStringLiteral("%1: %2: \"%3\": %4").arg(name, context, source, problem));
            }
        }
    }
    if (xml.hasError()) {
        problems.append(QStringLiteral("%1: line %2: %3")
                            .arg(name)
                            .arg(xml.lineNumber())
                            .arg(xml.errorString()));
    }
    return problems;
}

} // namespace translations
