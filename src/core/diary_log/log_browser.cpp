#include "diary_log/log_browser.h"

#include "diary/diary_record.h"

#include <cstring>

namespace vidorev::diary {

namespace {
constexpr int kProgressEvery = 4096;

const QByteArrayMatcher &startMarker() {
    static const QByteArrayMatcher m(QByteArrayView("[Start]"));
    return m;
}
const QByteArrayMatcher &stopMarker() {
    static const QByteArrayMatcher m(QByteArrayView("[Stop ]"));
    return m;
}
} // namespace

bool LogBrowser::open(const QString &path) {
    // Starting again answers the same question the same way: nothing of an earlier walk (a date
    // seen, the mode a filter left) carries over to the first line.
    resetTotals();
    m_mode = 0;
    m_dateSeen = false;
    m_line.clear();
    return m_reader.open(path);
}

void LogBrowser::close() {
    m_reader.close();
    m_line.clear();
}

bool LogBrowser::rewind() {
    return open(m_reader.path());
}

void LogBrowser::resetTotals() {
    m_minutes = 0;
    m_cash = 0.0;
}

void LogBrowser::setFilter(const QString &jobTag, const QString &date) {
    m_tagEmpty = jobTag.isEmpty();
    m_dateEmpty = date.isEmpty();
    m_code = escapeField(jobTag).toUtf8();
    m_tagNeedle.setPattern('[' + m_code + ']');
    m_dateNeedle.setPattern(date.toUtf8());
}

// One button's walk: progress is asked every few thousand lines for as long as it lasts.
class LogBrowser::Walk {
public:
    Walk(LogBrowser &browser, const Progress &progress)
        : m_browser(browser) {
        m_browser.m_progress = progress ? &progress : nullptr;
        m_browser.m_stopped = false;
    }
    ~Walk() {
        m_browser.m_progress = nullptr;
        m_browser.m_stopped = false;
    }
    Walk(const Walk &) = delete;
    Walk &operator=(const Walk &) = delete;

private:
    LogBrowser &m_browser;
};

bool LogBrowser::more() {
    return !m_stopped && !m_reader.atEnd();
}

bool LogBrowser::readLine() {
    if (m_progress != nullptr && ++m_reads % kProgressEvery == 0 &&
        !(*m_progress)(position(), size()))
        m_stopped = true;
    QByteArrayView view;
    if (m_stopped || !m_reader.next(&view))
        return false;
    // Keeps the buffer's room: no allocation per line once the longest line has been seen.
    m_line.resize(view.size());
    if (!view.isEmpty())
        memcpy(m_line.data(), view.data(), size_t(view.size()));
    return true;
}

bool LogBrowser::contains(const QByteArrayMatcher &matcher) const {
    return matcher.indexIn(QByteArrayView(m_line)) >= 0;
}

QByteArray LogBrowser::fetch() {
    m_line.resize(0);
    if (!more() || !readLine())
        return {};
    if (m_tagEmpty && m_dateEmpty)
        return m_line; // every line; the mode stays as it was
    m_mode = (m_tagEmpty ? 0 : 1) + (m_dateEmpty ? 0 : 2);
    // Selection is by "contains" anywhere in the line, as a user searching the Diary expects;
    // only the adding looks at the record's own head.
    while (more()) {
        if (m_mode >= 2 && contains(m_dateNeedle))
            m_dateSeen = true;
        if (contains(m_tagNeedle))
            break;
        if (m_dateSeen && (contains(startMarker()) || contains(stopMarker())))
            break;
        if (!readLine())
            break;
    }
    return m_line;
}

void LogBrowser::addAmounts(QByteArrayView line) {
    const ParsedLine parsed = parseLine(line);
    const bool ownTag = tagIs(line, m_code);
    if (parsed.isStop()) {
        bool add = false;
        switch (m_mode) {
        case 1:
            add = ownTag;
            break;
        case 2:
            add = m_dateSeen;
            m_dateSeen = false;
            break;
        case 3:
            if (ownTag) {
                add = m_dateSeen;
                m_dateSeen = false;
            }
            break;
        default:
            break;
        }
        if (add && parsed.hasRunMinutes)
            addMinutes(&m_minutes, parsed.runMinutes);
        else if (add && parsed.badFigure)
            m_reader.noteBad(badFigureWhy(parsed));
    }
    if (ownTag && parsed.hasAmount)
        m_cash += parsed.amount;
    else if (ownTag && parsed.kind == RecordKind::Memo && parsed.badFigure)
        m_reader.noteBad(badFigureWhy(parsed));
}

LogBrowser::Lines LogBrowser::nextThree(const Progress &progress) {
    const Walk walk(*this, progress);
    Lines lines;
    for (QByteArray &line : lines) {
        line = fetch();
        addAmounts(line);
    }
    return lines;
}

LogBrowser::Lines LogBrowser::skipTen(const Progress &progress) {
    const Walk walk(*this, progress);
    m_minutes = 0;
    for (int i = 0; i < 10; ++i)
        fetch();
    Lines lines;
    for (QByteArray &line : lines)
        line = fetch();
    return lines;
}

LogBrowser::Lines LogBrowser::lastThree(const Progress &progress) {
    const Walk walk(*this, progress);
    Lines lines;
    while (more()) {
        lines[0] = std::move(lines[1]);
        lines[1] = std::move(lines[2]);
        lines[2] = fetch();
        addAmounts(lines[2]);
    }
    return lines;
}

} // namespace vidorev::diary
