#pragma once

#include <QDate>
#include <QFile>
#include <QString>

#include <array>
#include <cstdio>
#include <random>
#include <string>

// Writes a Diary as a desk with a few users' years of work would have it: Start and Stop pairs
// with 12-hour times, memos with cash, events and ToDo notes, mostly CR LF with some LF (lines
// edited by hand), about 70 bytes a line. The same seed gives the same file; memory does not
// grow with the number of records.
namespace vidorev::bench {

struct DiaryShape {
    qint64 records = 1000000;
    quint64 seed = 1;
    QDate firstDay = QDate(2016, 1, 4);
};

namespace detail {

inline const std::array<const char *, 12> kTasks = {
    "Fix printer",      "Quarterly report", "Client call",   "Server upgrade",
    "Invoice batch",    "Site visit",       "Code review",   "Backup check",
    "Training session", "Network audit",    "Budget review", "Mail migration"};
inline const std::array<const char *, 8> kMemos = {"toner cartridge replaced",
                                                   "parts ordered from supplier",
                                                   "travel and parking",
                                                   "licence renewal",
                                                   "cables and adapters",
                                                   "lunch with the client",
                                                   "spare disk",
                                                   "courier to head office"};
inline const std::array<const char *, 6> kEvents = {"Lunch",
                                                    "Staff meeting in room 4",
                                                    "Fire drill",
                                                    "Left early for the dentist",
                                                    "Power cut, servers checked",
                                                    "Visitor from the auditors"};

// "3:45:12 PM 12-04-2026", the Diary's stamp in a 12-hour locale.
inline std::string stamp(int secondOfDay, const QDate &day) {
    const int h = secondOfDay / 3600;
    char text[40];
    std::snprintf(text, sizeof text, "%d:%02d:%02d %s %02d-%02d-%04d", h % 12 == 0 ? 12 : h % 12,
                  secondOfDay / 60 % 60, secondOfDay % 60, h < 12 ? "AM" : "PM", day.month(),
                  day.day(), day.year());
    return text;
}

inline std::string timeOnly(int secondOfDay) {
    const int h = secondOfDay / 3600;
    char text[20];
    std::snprintf(text, sizeof text, "%d:%02d:%02d %s", h % 12 == 0 ? 12 : h % 12,
                  secondOfDay / 60 % 60, secondOfDay % 60, h < 12 ? "AM" : "PM");
    return text;
}

} // namespace detail

// Returns the bytes written, or -1 when the file could not be written.
inline qint64 makeDiary(const QString &path, const DiaryShape &shape = {}) {
    using namespace detail;
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (file == nullptr)
        return -1;
    std::mt19937_64 rng(shape.seed);
    const auto pick = [&rng](int n) { return int(rng() % quint64(n)); };
    std::string out;
    out.reserve(1 << 20);
    qint64 bytes = 0;
    QDate day = shape.firstDay;
    int second = 8 * 3600 + pick(3600);
    qint64 written = 0;
    const auto line = [&](const std::string &text) {
        out += text;
        out += pick(5) == 0 ? "\n" : "\r\n";
        ++written;
        if (out.size() >= (1u << 20)) {
            bytes += qint64(std::fwrite(out.data(), 1, out.size(), file));
            out.clear();
        }
    };
    while (written < shape.records) {
        // One job: a Start, perhaps a memo or two, perhaps an event, then its Stop.
        const std::string code = std::to_string(700 + pick(40));
        const char *task = kTasks[size_t(pick(int(kTasks.size())))];
        line("[" + code + "][Start]<" + task + "> @ " + stamp(second, day));
        const int started = second;
        for (int memos = pick(3); memos > 0 && written < shape.records; --memos) {
            second += 60 + pick(1800);
            const int cents = pick(20000);
            std::string cash;
            if (pick(2) == 0)
                cash = " {$" + std::to_string(cents / 100) + '.' + std::to_string(10 + cents % 90) +
                       "$} ";
            line("[" + code + "]" + cash + "[Memo ]<" + task + "> " +
                 kMemos[size_t(pick(int(kMemos.size())))] + " @ " + stamp(second, day));
        }
        if (pick(4) == 0 && written < shape.records)
            line(std::string("[Event] ") + kEvents[size_t(pick(int(kEvents.size())))] + " @ " +
                 stamp(second += 60 + pick(600), day));
        if (pick(6) == 0 && written < shape.records)
            line("[DoList][Note ] <AddTaskFromFile> (" + code + ") Follow up " + task + " @ " +
                 stamp(second += 30, day));
        if (written >= shape.records)
            break;
        second += 300 + pick(5400);
        const int minutes = (second - started) / 60;
        line("[" + code + "][Stop ]{" + std::to_string(minutes) + "}<" + task + "> @ " +
             timeOnly(second) + " after " + std::to_string(minutes + pick(600)) + " minutes");
        second += 60 + pick(1200);
        if (second > 18 * 3600) {
            day = day.addDays(day.dayOfWeek() == 5 ? 3 : 1);
            second = 8 * 3600 + pick(3600);
        }
    }
    bytes += qint64(std::fwrite(out.data(), 1, out.size(), file));
    const bool ok = std::fclose(file) == 0;
    return ok ? bytes : -1;
}

} // namespace vidorev::bench
