#include "todo/list_files.h"

#include "platform/file_output.h"

#include <QFile>
#include <QStringDecoder>

namespace vidorev::todo {

namespace {

const QChar kTab = u'\t';

QString decodeLine(QByteArray bytes) {
    while (bytes.endsWith('\n') || bytes.endsWith('\r'))
        bytes.chop(1);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

bool isNodeId(const QString &id) {
    bool ok = false;
    const int n = id.toInt(&ok);
    return ok && n >= 0 && n < kStorageNodes && id == QString::number(n);
}

QString cannotOpen(const QString &path, const QFile &file) {
    return QStringLiteral("Cannot open %1: %2").arg(path, file.errorString());
}

} // namespace

QString taskFileLine(const QString &task) {
    QString line = task;
    for (QChar &c : line)
        if (c == u'\r' || c == u'\n')
            c = u' ';
    return line;
}

QString storageLine(const QString &task, const QString &prior, const QString &next,
                    qint64 soFarMinutes) {
    return taskFileLine(task).replace(kTab, u' ') + kTab + prior + kTab + next + kTab +
           QString::number(soFarMinutes);
}

std::optional<StoredNode> parseStorageLine(const QString &line) {
    const qsizetype first = line.indexOf(kTab);
    if (first < 0)
        return std::nullopt;
    const QString afterFirst = line.mid(first + 1, 12);
    const qsizetype second = afterFirst.indexOf(kTab);
    if (second < 0)
        return std::nullopt;
    StoredNode node;
    node.task = line.left(first);
    node.prior = afterFirst.left(second);
    const QString afterSecond = afterFirst.mid(second + 1, 9);
    const qsizetype third = afterSecond.indexOf(kTab);
    if (third < 0) {
        node.next = afterSecond;
        node.soFar.reset();
    } else {
        node.next = afterSecond.left(third);
        node.soFar = afterSecond.mid(third + 1, 6);
    }
    return node;
}

std::optional<std::vector<StoredNode>> readStorageFile(const QString &path, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = cannotOpen(path, file);
        return std::nullopt;
    }
    const auto notStorage = [&](const QString &why) {
        *error = QStringLiteral("%1 is not a storage file: %2").arg(path, why);
        return std::nullopt;
    };
    std::vector<StoredNode> nodes;
    int lineNo = 0;
    while (!file.atEnd()) {
        const QString line = decodeLine(file.readLine());
        ++lineNo;
        if (lineNo > kStorageNodes) {
            if (line.isEmpty())
                continue; // blank lines after the last node are harmless
            return notStorage(QStringLiteral("more than %1 lines").arg(kStorageNodes));
        }
        const std::optional<StoredNode> node = parseStorageLine(line);
        if (!node)
            return notStorage(QStringLiteral("line %1 lacks its tabs").arg(lineNo));
        bool minutesOk = true;
        if (node->soFar)
            node->soFar->toLongLong(&minutesOk);
        if (!isNodeId(node->prior) || !isNodeId(node->next) || !minutesOk)
            return notStorage(QStringLiteral("line %1 holds no links and minutes").arg(lineNo));
        nodes.push_back(*node);
    }
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    if (nodes.empty())
        return notStorage(QStringLiteral("it is empty"));
    nodes.resize(kStorageNodes);
    return nodes;
}

std::optional<QStringList> readTaskFile(const QString &path, int maxLines, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = cannotOpen(path, file);
        return std::nullopt;
    }
    QStringList lines;
    while (lines.size() < maxLines && !file.atEnd())
        lines << decodeLine(file.readLine());
    if (file.error() != QFileDevice::NoError) {
        *error = QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    return lines;
}

bool writeLinesSafely(const QString &path, const QStringList &lines, QString *error) {
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    // The lists come from the store, which only its owner reads; so do the files made of them.
    files::ReplaceFile file;
    if (!file.open(path, files::outputMode({})) || !file.write(bytes) || !file.commit()) {
        *error = file.error();
        return false;
    }
    return true;
}

} // namespace vidorev::todo
