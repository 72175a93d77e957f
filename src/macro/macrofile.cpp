#include "macrofile.h"

#include "fixedtext.h"

#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <set>

namespace macrofile {

namespace {

bool wholeNumber(const QString &text, qint64 *value)
{
    if (text.isEmpty() || text.size() > 12)
        return false;
    bool ok = false;
    *value = text.toLongLong(&ok, 10);
    return ok;
}

// Fills one field; false when the text does not fit it whole.
template <std::size_t N> bool put(char (&field)[N], const QByteArray &bytes)
{
    return bytes.size() < static_cast<int>(N) && fixedtext::copy(field, bytes);
}

struct OpenPress
{
    QString type;
    int keyCode;
};

// Builds one event from an element's attributes; an empty error means it is sound.
QString takeEvent(const QXmlStreamAttributes &a, MacroEventRecord *record, QHash<qint64, OpenPress> *open,
                  std::set<qint64> *usedMarks)
{
    const QString markText = a.value(QLatin1String("mark")).toString();
    const QString delayText = a.value(QLatin1String("delay")).toString();
    const QString type = a.value(QLatin1String("type")).toString();
    const QString codeText = a.value(QLatin1String("keyCode")).toString();
    const QString codeName = a.value(QLatin1String("codeName")).toString();
    const QString operate = a.value(QLatin1String("operateExplain")).toString();

    qint64 mark = 0;
    if (!wholeNumber(markText, &mark) || mark < 0 || mark > INT_MAX)
        return QStringLiteral("an event's mark is not a number");
    if (type != QLatin1String("key") && type != QLatin1String("mouse"))
        return QStringLiteral("an event's type is neither key nor mouse");
    if (operate != QLatin1String("down") && operate != QLatin1String("up"))
        return QStringLiteral("an event is neither down nor up");
    qint64 delay = 0;
    if (!delayText.isEmpty() && !wholeNumber(delayText, &delay))
        return QStringLiteral("an event's delay is not a number");
    delay = std::clamp<qint64>(delay, 0, kMacroMaxDelay);
    qint64 code = 0;
    if (!wholeNumber(codeText, &code))
        return QStringLiteral("an event's key code is not a number");
    const bool down = operate == QLatin1String("down");
    QString name = codeName;
    if (type == QLatin1String("key")) {
        if (code < 0 || code > 0xFFFF)
            return QStringLiteral("an event's key code is outside the key codes");
    } else {
        const MouseButton *button = mouseButtonOf(static_cast<int>(code));
        if (!button || (code == button->downMessage) != down)
            return QStringLiteral("an event's mouse code is not a button press or release");
        name = QLatin1String(button->name);
    }

    if (down) {
        if (usedMarks->count(mark))
            return QStringLiteral("two presses share a mark");
        usedMarks->insert(mark);
        open->insert(mark, OpenPress{type, static_cast<int>(code)});
    } else {
        const auto it = open->constFind(mark);
        if (it == open->cend())
            return QStringLiteral("a release has no press before it");
        const int expected = type == QLatin1String("mouse") ? it->keyCode + 1 : it->keyCode;
        if (it->type != type || expected != code)
            return QStringLiteral("a release does not match its press");
        open->erase(it);
    }

    *record = MacroEventRecord{};
    if (!put(record->mark, QByteArray::number(mark)) || !put(record->delay, QByteArray::number(delay)) ||
        !put(record->type, type.toLatin1()) || !put(record->keyCode, QByteArray::number(code)) ||
        !put(record->codeName, name.toUtf8()) || !put(record->operateExplain, operate.toLatin1()))
        return QStringLiteral("an event's text is too long");
    return {};
}

} // namespace

const MouseButton *mouseButtonOf(int message)
{
    static const MouseButton buttons[] = {
        {513, 514, "Left Click"}, {516, 517, "Right Click"}, {519, 520, "Center Click"}};
    for (const MouseButton &b : buttons)
        if (message == b.downMessage || message == b.upMessage)
            return &b;
    return nullptr;
}

ParseResult parse(const QByteArray &text)
{
    ParseResult result;
    const auto refuse = [&result](const QString &why) {
        result.ok = false;
        result.error = why;
        result.events.clear();
        return result;
    };
    if (text.size() > kMaxFileBytes)
        return refuse(QStringLiteral("the file is larger than %1 bytes").arg(kMaxFileBytes));

    QXmlStreamReader reader(text);
    QHash<qint64, OpenPress> open;
    std::set<qint64> usedMarks;
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::DTD || token == QXmlStreamReader::EntityReference)
            return refuse(QStringLiteral("the file declares a document type or entities"));
        if (token == QXmlStreamReader::EndElement) {
            --depth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        ++depth;
        if (depth == 1 && reader.name() != QLatin1String("Parameters"))
            return refuse(QStringLiteral("the file is not a macro file"));
        const QXmlStreamAttributes attributes = reader.attributes();
        if (attributes.hasAttribute(QLatin1String("index")) &&
            attributes.hasAttribute(QLatin1String("name"))) {
            result.macroIndex = attributes.value(QLatin1String("index")).left(64).toString();
            result.macroName = attributes.value(QLatin1String("name")).left(64).toString();
        }
        if (!attributes.hasAttribute(QLatin1String("mark")) ||
            !attributes.hasAttribute(QLatin1String("type")))
            continue;
        if (result.events.size() >= kMaxEvents)
            return refuse(QStringLiteral("the file holds more than %1 events").arg(kMaxEvents));
        MacroEventRecord record;
        const QString why = takeEvent(attributes, &record, &open, &usedMarks);
        if (!why.isEmpty())
            return refuse(why);
        result.events.append(record);
    }
    if (reader.hasError())
        return refuse(QStringLiteral("XML error: %1").arg(reader.errorString()));
    if (!open.isEmpty())
        return refuse(QStringLiteral("a press has no release"));
    result.ok = true;
    return result;
}

QByteArray write(const QString &index, const QString &name, const QList<MacroEventRecord> &events)
{
    QByteArray out;
    QXmlStreamWriter writer(&out);
    writer.setCodec("utf-8");
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(4);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("Parameters"));
    writer.writeAttribute(QStringLiteral("profileIndex"), QStringLiteral("1"));
    writer.writeStartElement(QStringLiteral("macro"));
    writer.writeAttribute(QStringLiteral("index"), index);
    writer.writeAttribute(QStringLiteral("name"), name);
    const auto text = [](std::string_view v) {
        return QString::fromUtf8(v.data(), static_cast<int>(v.size()));
    };
    for (const MacroEventRecord &r : events) {
        writer.writeEmptyElement(QStringLiteral("item"));
        writer.writeAttribute(QStringLiteral("mark"), text(fixedtext::view(r.mark)));
        writer.writeAttribute(QStringLiteral("delay"), text(fixedtext::view(r.delay)));
        writer.writeAttribute(QStringLiteral("type"), text(fixedtext::view(r.type)));
        writer.writeAttribute(QStringLiteral("keyCode"), text(fixedtext::view(r.keyCode)));
        writer.writeAttribute(QStringLiteral("codeName"), text(fixedtext::view(r.codeName)));
        writer.writeAttribute(QStringLiteral("operateExplain"), text(fixedtext::view(r.operateExplain)));
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    return out;
}

QString importedName(const QString &filePath, int newIndex)
{
    const QString fileName = QFileInfo(filePath).fileName();
    const int dot = fileName.indexOf(QLatin1Char('.'));
    const QByteArray name = (dot < 0 ? fileName : fileName.left(dot)).toUtf8();
    const std::size_t keep = fixedtext::utf8PrefixLength(std::string_view(name.constData(), name.size()), 63);
    const QString cut = QString::fromUtf8(name.constData(), static_cast<int>(keep));
    return cut.isEmpty() ? QStringLiteral("Macro%1").arg(newIndex) : cut;
}

QString exportBaseName(const QString &macroName, const QString &macroIndex)
{
    QString base;
    for (const QChar c : macroName) {
        const bool forbidden =
            c.unicode() < 0x20 || c.unicode() == 0x7F || QStringLiteral("/\\:*?\"<>|").contains(c);
        base.append(forbidden ? QLatin1Char('_') : c);
    }
    // A file name holds at most 255 bytes; ".xml" follows.
    const QByteArray bytes = base.toUtf8();
    const std::size_t keep =
        fixedtext::utf8PrefixLength(std::string_view(bytes.constData(), bytes.size()), 200);
    base = QString::fromUtf8(bytes.constData(), static_cast<int>(keep));
    if (base.trimmed().isEmpty() || base == QLatin1String(".") || base == QLatin1String(".."))
        return QStringLiteral("Macro%1").arg(macroIndex);
    return base;
}

int nextImportIndex(const std::vector<MacroNode> &nodes, const IndexTaken &alsoTaken)
{
    qint64 highest = 0;
    for (const MacroNode &node : nodes) {
        bool ok = false;
        const qint64 v = QByteArray::fromStdString(node.index).toLongLong(&ok);
        if (ok && v > highest && v < INT_MAX)
            highest = v;
    }
    int candidate = static_cast<int>(highest + 1);
    while (alsoTaken && candidate < INT_MAX && alsoTaken(candidate))
        ++candidate;
    return candidate;
}

int lowestFreeIndex(const std::vector<MacroNode> &nodes, const IndexTaken &alsoTaken)
{
    std::set<qint64> used;
    for (const MacroNode &node : nodes) {
        bool ok = false;
        const qint64 v = QByteArray::fromStdString(node.index).toLongLong(&ok);
        if (ok && v > 0)
            used.insert(v);
    }
    int candidate = 1;
    while (used.count(candidate) || (alsoTaken && alsoTaken(candidate)))
        ++candidate;
    return candidate;
}

} // namespace macrofile
