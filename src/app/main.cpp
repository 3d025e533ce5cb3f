// vidorev: the desk window, or `vidorev settings ...` and `vidorev diary ...` for scripts.

#include "desktop_id.h"
#include "diary/diary_writer.h"
#include "diary_log/chart_cli.h"
#include "diary_log/diary_cli.h"
#include "platform/settings_cli.h"
#include "platform/settings_store.h"
#include "platform/version.h"
#include "shell/main_window.h"
#include "shell/single_instance.h"
#include "widgets/desktop_notifier.h"
#include "widgets/wave_sound_player.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTextStream>

#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

struct Options {
    QString store;
    QString screenshot;
    bool help = false;
    bool version = false;
    bool settings = false;
    bool diary = false;
    QStringList verbArgs;  // the words after "settings" or "diary"
    QStringList startLine; // "/UJohn/A" and the like
    QString error;
};

const char *const kUsage =
    "usage: vidorev [--store PATH] [--screenshot FILE] [/UUSER] [/A]\n"
    "       vidorev [--store PATH] settings get|set|delete|export|import ...\n"
    "       vidorev [--store PATH] diary totals|jobs|workorder|extract|mine|merge|chart|new ...\n"
    "       vidorev --help | --version\n"
    "\n"
    "  /UNAME            start as user NAME (the letters U and A are case-sensitive)\n"
    "  /A                switch all fourteen alarms on at start\n"
    "  --store PATH      use the settings store at PATH (also VIDOREV_STORE)\n"
    "  --screenshot FILE start as usual, save the window as a PNG picture, and exit\n"
    "  settings ...      read and write the settings store without a window\n"
    "  diary new ...     make an empty Diary for user NAME at PATH (never over a file)\n"
    "  diary ...         read a Diary without a window (vidorev diary --help)\n";

// Bytes that are not text in the system's encoding would be stored as replacement characters:
// a script's file name would silently point somewhere else.
bool decodeArgument(const char *raw, QString *text) {
    QStringDecoder decoder(QStringDecoder::System, QStringDecoder::Flag::Stateless);
    *text = decoder(QByteArrayView(raw));
    return !decoder.hasError();
}

Options parse(int argc, char **argv) {
    Options o;
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        QString arg;
        if (!decodeArgument(argv[i], &arg)) {
            o.error = QStringLiteral("argument %1 is not valid text in this system's encoding "
                                     "(%2)")
                          .arg(i)
                          .arg(arg);
            return o;
        }
        args << arg;
    }
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (o.settings || o.diary) {
            o.verbArgs << arg;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            o.help = true;
        } else if (arg == QLatin1String("--version")) {
            o.version = true;
        } else if (arg == QLatin1String("--store") || arg == QLatin1String("--screenshot")) {
            if (i + 1 >= args.size()) {
                o.error = arg + QStringLiteral(" needs a value");
                return o;
            }
            (arg == QLatin1String("--store") ? o.store : o.screenshot) = args[++i];
        } else if (arg.startsWith(QLatin1String("--"))) {
            o.error = QStringLiteral("unknown option ") + arg;
            return o;
        } else if (arg == QLatin1String("settings") && o.startLine.isEmpty()) {
            o.settings = true;
        } else if (arg == QLatin1String("diary") && o.startLine.isEmpty()) {
            o.diary = true;
        } else {
            o.startLine << arg;
        }
    }
    return o;
}

QString storePath(const Options &o) {
    if (!o.store.isEmpty())
        return o.store;
    const QString env = qEnvironmentVariable("VIDOREV_STORE");
    if (!env.isEmpty())
        return env;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("settings.sqlite"));
}

// `settings ...` and `diary ...`: no window, no display.
int runVerb(const Options &o, int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString first = o.verbArgs.value(0);
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        out << (o.diary ? vidorev::diaryUsage() : vidorev::settingsUsage());
        return 0;
    }
    // Reading the store, or copying it out, makes no store where there was none.
    const bool reading =
        o.settings && (first == QLatin1String("get") || first == QLatin1String("export"));
    try {
        const auto store = reading ? vidorev::SettingsStore::openForReading(storePath(o))
                                   : vidorev::SettingsStore::open(storePath(o));
        if (!o.diary)
            return vidorev::runSettingsCommand(o.verbArgs, *store, out, err);
        return vidorev::runDiaryCommand(o.verbArgs, *store, out, err, isatty(STDERR_FILENO),
                                        isatty(STDOUT_FILENO));
    } catch (const vidorev::StoreError &e) {
        err << "vidorev: " << e.what() << '\n';
        return 1;
    }
}

// The chart draws with the window toolkit, on the offscreen platform when there is no display.
int runChart(const Options &o, int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        const auto store = vidorev::SettingsStore::open(storePath(o));
        return vidorev::runChartCommand(o.verbArgs.mid(1), *store, out, err, QDate::currentDate(),
                                        isatty(STDOUT_FILENO));
    } catch (const vidorev::StoreError &e) {
        err << "vidorev: " << e.what() << '\n';
        return 1;
    }
}

// The offscreen platform warns on every window it cannot size by hints or raise, and a session
// without a runtime folder on every start (a private one is made); that says nothing to the
// user, and standard error is kept for the program's own messages.
QtMessageHandler g_defaultMessages = nullptr;
void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (type == QtWarningMsg &&
        (text.startsWith(QLatin1String("This plugin does not support ")) ||
         text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))))
        return;
    g_defaultMessages(type, context, text);
}

// The window needs a display; without one Qt would abort and suggest reinstalling.
bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The installed theme's icon, or the copy built into the program when it runs uninstalled.
QIcon windowIcon() {
    QIcon builtIn;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        builtIn.addFile(QStringLiteral(":/icons/%1x%1/apps/%2.png")
                            .arg(size)
                            .arg(QLatin1String(vidorev::kDesktopId)));
    return QIcon::fromTheme(QString::fromLatin1(vidorev::kDesktopId), builtIn);
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication::setOrganizationName(QStringLiteral("Vidorev"));
    QCoreApplication::setApplicationName(QStringLiteral("Vidorev"));
    QCoreApplication::setApplicationVersion(vidorev::Version::current().full());

    g_defaultMessages = qInstallMessageHandler(quietMessages);
    const Options options = parse(argc, argv);
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "vidorev: %s\n%s", qPrintable(options.error), kUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (options.version) {
        std::printf("Vidorev %s\n", qPrintable(vidorev::Version::current().full()));
        return 0;
    }
    if (options.diary && options.verbArgs.value(0) == QLatin1String("chart"))
        return runChart(options, argc, argv);
    if (options.settings || options.diary)
        return runVerb(options, argc, argv);

    // A screenshot needs no display.
    if (!options.screenshot.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!displayAvailable()) {
        std::fputs("vidorev: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set), so "
                   "the window cannot open.\n"
                   "`vidorev --help` lists the commands that run without one (settings, diary, "
                   "--screenshot).\n",
                   stderr);
        return 1;
    }
    // One window per store: a later start hands its line to the window open on the store, before
    // it touches the display. A screenshot run is a window of its own and hands nothing over.
    std::unique_ptr<vidorev::SingleInstance> single;
    if (options.screenshot.isEmpty()) {
        single = std::make_unique<vidorev::SingleInstance>(storePath(options));
        switch (single->claim(options.startLine.join(u' '))) {
        case vidorev::SingleInstance::Start::HandedOver:
            return 0;
        case vidorev::SingleInstance::Start::NoAnswer:
            std::fprintf(stderr, "vidorev: %s: %s, so no second window opens on it.\n",
                         qPrintable(storePath(options)), qPrintable(single->error()));
            return 1;
        case vidorev::SingleInstance::Start::First:
            break;
        }
    }
    QApplication app(argc, argv);
    // The desktop matches the window to its menu entry by this name (Wayland's app id).
    QGuiApplication::setDesktopFileName(QString::fromLatin1(vidorev::kDesktopId));
    QApplication::setWindowIcon(windowIcon());

    std::unique_ptr<vidorev::SettingsStore> store;
    try {
        store = vidorev::SettingsStore::open(storePath(options));
    } catch (const vidorev::StoreError &e) {
        std::fprintf(stderr, "vidorev: %s\n", e.what());
        if (options.screenshot.isEmpty() &&
            QGuiApplication::platformName() != QLatin1String("offscreen"))
            QMessageBox::critical(nullptr, QStringLiteral("Vidorev"), QString::fromUtf8(e.what()));
        return 1;
    }

    vidorev::SystemClock clock;
    const QString programFolder = QCoreApplication::applicationDirPath();
    vidorev::WaveSoundPlayer sound(vidorev::WaveSoundPlayer::modulePathFrom(programFolder),
                                   vidorev::WaveSoundPlayer::chimePathFrom(programFolder));
    QObject::connect(&sound, &vidorev::WaveSoundPlayer::lost, &sound, [](const QString &reason) {
        std::fprintf(stderr, "vidorev: no sound: %s\n", qPrintable(reason));
    });
    vidorev::DesktopNotifier notifier;
    // A desk without notifications works as before; say so once, for whoever reads the log.
    QObject::connect(
        &notifier, &vidorev::DesktopNotifier::lost, &notifier,
        [](const QString &reason) {
            std::fprintf(stderr, "vidorev: no desktop notifications: %s\n", qPrintable(reason));
        },
        Qt::SingleShotConnection);
    const vidorev::Version version = vidorev::Version::current();
    vidorev::DiaryWriter writer(*store, version.hostTag(), version.full());
    vidorev::MainWindow window({*store, clock, sound, notifier}, writer,
                               options.startLine.join(u' '));
    window.show();
    if (single) {
        QObject::connect(single.get(), &vidorev::SingleInstance::startLineArrived, &window,
                         &vidorev::MainWindow::takeStartLine);
        single->serve();
    }

    if (!options.screenshot.isEmpty()) {
        window.handleFirstActivation();
        QCoreApplication::processEvents();
        if (!window.grab().save(options.screenshot, "PNG")) {
            std::fprintf(stderr, "vidorev: cannot write %s\n", qPrintable(options.screenshot));
            return 1;
        }
        return 0;
    }
    const int code = app.exec();
    single.reset(); // its socket closes while the event loop's machinery still stands
    return code;
}
