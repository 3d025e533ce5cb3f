#include "diary/diary_writer.h"
#include "notes/note_pad.h"
#include "notes/scratch_pad.h"
#include "notes/sticky_display.h"
#include "platform/settings_keys.h"
#include "platform/version.h"
#include "shell/main_window.h"
#include "test_env.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace vidorev {
namespace {

class Notes : public ::testing::Test {
protected:
    Notes() {
        m_env.store().save(keys::kAppDiary, kAnn, keys::kCompat, Version::current().hostTag());
        m_window.show();
        m_window.handleFirstActivation();
        QApplication::setActiveWindow(&m_window);
    }
    template <typename T = QWidget> T *find(const QString &name, QWidget *in = nullptr) {
        T *w = (in ? in : &m_window)->findChild<T *>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    void openNotes(const QString &user) {
        find<QPushButton>(QStringLiteral("cmdMainMenu"))->click();
        find<QLineEdit>(QStringLiteral("txtUserId"))->setText(user);
        find<QPushButton>(QStringLiteral("cmdHotNotes"))->click();
    }
    NotePad *pad() { return find<NotePad>(QStringLiteral("Frame4")); }
    QLineEdit *box(int n) { return find<QLineEdit>(QStringLiteral("txtArabVal"), pad()->sheet(n)); }
    QPushButton *button(int n, const char *name) {
        return find<QPushButton>(QLatin1String(name), pad()->sheet(n));
    }
    QString stored(const QString &section) {
        return m_env.store().get(keys::kAppDiary, section, keys::kNote, QStringLiteral("-"));
    }
    // What a screen reader does: replace the box's whole text through its interface.
    static void readerSets(QWidget *w, const QString &text) {
        QAccessibleInterface *i = QAccessible::queryAccessibleInterface(w);
        i->editableTextInterface()->replaceText(0, i->textInterface()->characterCount(), text);
    }

    const QString kAnn = QStringLiteral("ann");
    test::TestEnv m_env;
    DiaryWriter m_writer{m_env.store(), Version::current().hostTag(), Version::current().full()};
    MainWindow m_window{m_env.services(), m_writer, QString()};
};

TEST_F(Notes, SheetsAreKeptAsTypedPerUserAndShownAgain) {
    const QString diary = m_env.makeDiary(kAnn);
    m_env.makeDiary(QStringLiteral("bob"), QStringLiteral("bob.log"));
    openNotes(kAnn);
    EXPECT_TRUE(pad()->isVisible());
    EXPECT_EQ(m_window.mode(), 3);
    QTest::keyClicks(box(1), QStringLiteral("milk"));
    readerSets(box(3), QStringLiteral("call Ed"));
    QGuiApplication::clipboard()->setText(QStringLiteral("from the clipboard"));
    button(5, "Command2")->click();
    EXPECT_EQ(stored(QStringLiteral("annSD1")), QStringLiteral("milk"));
    EXPECT_EQ(stored(QStringLiteral("annSD3")), QStringLiteral("call Ed"));
    EXPECT_EQ(stored(QStringLiteral("annSD5")), QStringLiteral("from the clipboard"));
    box(2)->setText(QStringLiteral("copied"));
    button(2, "Command1")->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("copied"));

    // Another user sees sheets of their own; coming back shows the saved ones.
    openNotes(QStringLiteral("bob"));
    EXPECT_EQ(box(1)->text(), QString());
    EXPECT_EQ(stored(QStringLiteral("bobSD1")), QStringLiteral("-")); // loading saves nothing
    openNotes(kAnn);
    EXPECT_EQ(pad()->texts(), QStringList({"milk", "copied", "call Ed", "", "from the clipboard"}));
    EXPECT_TRUE(m_env.diaryLines(diary).isEmpty());
}

TEST_F(Notes, ArchivingWritesOneNotePerFilledSheetInOrderAndKeepsTheSheets) {
    const QString diary = m_env.makeDiary(kAnn);
    openNotes(kAnn);
    box(4)->setText(QStringLiteral("lunch @ noon"));
    box(2)->setText(QStringLiteral("order paper"));
    find<QPushButton>(QStringLiteral("cmdNotes2Diary"))->click();
    const QStringList lines = m_env.diaryLines(diary);
    ASSERT_EQ(lines.size(), 2) << lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("[annSD2][Note ] order paper @ ")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("[annSD4][Note ] lunch at noon @ ")));
    EXPECT_EQ(box(4)->text(), QStringLiteral("lunch @ noon"));
    EXPECT_EQ(pad()->notice(), QString());
}

TEST_F(Notes, ArchivingWithoutADiaryWritesNothingAndSaysSo) {
    const QString diary = m_env.makeDiary(kAnn);
    openNotes(kAnn);
    box(1)->setText(QStringLiteral("kept"));
    QFile::remove(diary);
    find<QPushButton>(QStringLiteral("cmdNotes2Diary"))->click();
    EXPECT_FALSE(QFile::exists(diary));
    EXPECT_TRUE(pad()->notice().contains(QStringLiteral("NOT SAVED")))
        << pad()->notice().toStdString();
    EXPECT_EQ(box(1)->text(), QStringLiteral("kept"));
}

TEST_F(Notes, ARefusedSaveIsSaidOnTheSheet) {
    m_env.makeDiary(kAnn);
    openNotes(kAnn);
    auto *sheet = pad()->sheet(2);
    {
        test::FullDisk full;
        box(2)->setText(QString(20000, u'x'));
    }
    EXPECT_TRUE(sheet->message().startsWith(QStringLiteral("Not saved: ")))
        << sheet->message().toStdString();
    box(2)->setText(QStringLiteral("short"));
    EXPECT_EQ(sheet->message(), QString());
    EXPECT_EQ(stored(QStringLiteral("annSD2")), QStringLiteral("short"));
}

TEST_F(Notes, ScratchPadIsFourBoxesKeptInMemoryOnly) {
    find<QPushButton>(QStringLiteral("cmdShowPdox"))->click();
    auto *scratch = find<ScratchPad>(QStringLiteral("frmScratch"));
    EXPECT_TRUE(scratch->isVisible());
    const quint64 before = m_env.store().operationCount();
    QTest::keyClicks(scratch->box(1), QStringLiteral("jot"));
    EXPECT_EQ(scratch->box(1)->toPlainText(), QStringLiteral("jot"));
    EXPECT_EQ(m_env.store().operationCount(), before);
    // Tab leaves a box for the next one rather than typing a tab.
    scratch->box(1)->setFocus();
    QTest::keyClick(scratch->box(1), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), scratch->box(2));
}

} // namespace
} // namespace vidorev
