#include "pictures/picture_explorer.h"

#include "pictures/files_listing.h"
#include "pictures/picture_probe.h"
#include "platform/settings_keys.h"
#include "test_env.h"
#include "widgets/file_picker.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstring>
#include <future>
#include <sys/stat.h>

namespace vidorev {
namespace {

QByteArray emfFrame640x480() {
    QByteArray b(88, '\0');
    qToLittleEndian<quint32>(1, b.data());
    qToLittleEndian<qint32>(16933, b.data() + 32);
    qToLittleEndian<qint32>(12700, b.data() + 36);
    qToLittleEndian<quint32>(0x464D4520, b.data() + 40);
    return b;
}

class PixXploreTest : public ::testing::Test {
protected:
    PixXploreTest() {
        m_pics = m_env.filePath(QStringLiteral("pics"));
        QDir().mkpath(m_pics);
        picture("IMG_0001.JPG", 640, 480, "JPG");
        picture("tall.png", 200, 300, "PNG");
        write("PLAN.EMF", emfFrame640x480());
        write("plan.emf", emfFrame640x480());
        write("broken.jpeg", "not a picture");
        write("notes.txt", "12345");
        save(keys::kFolder, QDir::toNativeSeparators(m_pics));
        m_panel.resize(700, 400);
        m_panel.show();
        open(m_panel);
    }
    // Opens the panel and waits for its picker to read the remembered place.
    static void open(PictureExplorer &panel) {
        panel.setHost(keys::kAppDiary);
        panel.findChild<FilePicker *>()->waitForListing();
    }
    void picture(const char *name, int w, int h, const char *format) {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        ASSERT_TRUE(image.save(m_pics + u'/' + QLatin1String(name), format));
    }
    void write(const char *name, const QByteArray &bytes) {
        QFile f(m_pics + u'/' + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void save(const QString &key, const QString &value) {
        m_env.store().save(keys::kAppDiary, keys::kSecPictures, key, value);
    }
    QString stored(const QString &key) {
        return m_env.store().get(keys::kAppDiary, keys::kSecPictures, key, "unset");
    }
    template <typename T = QWidget> T *find(const char *name) {
        return m_panel.findChild<T *>(QLatin1String(name));
    }
    QListWidget *files() { return find<QListWidget>("File1"); }
    QStringList shown() {
        QStringList texts;
        for (const char *name : {"txtWidth", "txtHeight", "txtPixels"})
            texts << find<QLineEdit>(name)->text();
        return texts;
    }
    // Chooses a file as a user does; pick() waits for it to be read, choose() does not.
    void choose(const QString &name, PictureExplorer &panel) {
        auto *list = panel.findChild<QListWidget *>(QStringLiteral("File1"));
        const auto items = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        list->setCurrentItem(items.first());
    }
    void pick(const QString &name) {
        choose(name, m_panel);
        settle();
    }
    void settle() {
        for (int i = 0; i < 500 && m_panel.reading(); ++i)
            QTest::qWait(5);
        ASSERT_FALSE(m_panel.reading());
    }
    QString message() { return find<QLabel>("lblStatus")->text(); }
    void waitForListing() {
        for (int i = 0; i < 500 && m_panel.listing(); ++i)
            QTest::qWait(5);
        ASSERT_FALSE(m_panel.listing());
    }

    test::TestEnv m_env;
    QString m_pics;
    PictureExplorer m_panel{m_env.services()};
};

TEST_F(PixXploreTest, BrowsingShowsPicturesOfAnyCaseWithTheirNumbers) {
    QStringList names;
    for (int i = 0; i < files()->count(); ++i)
        names << files()->item(i)->text();
    EXPECT_EQ(names,
              QStringList({"broken.jpeg", "IMG_0001.JPG", "PLAN.EMF", "plan.emf", "tall.png"}));
    EXPECT_EQ(shown(), QStringList({"640", "480", "0.29"})); // the starting picture

    // Pictures cut short, as by a copy that stopped: the decoders would fill in the rest.
    for (const char *format : {"JPG", "BMP"}) {
        QImage image(500, 400, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QBuffer whole;
        whole.open(QIODevice::WriteOnly);
        ASSERT_TRUE(image.save(&whole, format));
        write((QByteArray("cut.") + QByteArray(format).toLower()).constData(),
              whole.data().left(whole.data().size() * 4 / 10));
    }
    open(m_panel);
    const struct {
        const char *name;
        QStringList numbers;
        QSize thumbnail;
        const char *said;
    } cases[] = {
        {"IMG_0001.JPG", {"640", "480", "0.29"}, {161, 121}, ""},
        {"tall.png", {"200", "300", "0.06"}, {107, 161}, ""},
        {"PLAN.EMF", {"640", "480", "0.29"}, {161, 121}, ""},
        {"broken.jpeg", {"", "", ""}, {0, 0}, "Cannot read broken.jpeg as a picture"},
        {"cut.jpg", {"", "", ""}, {0, 0}, "cut.jpg is damaged: the file ends before"},
        {"cut.bmp", {"", "", ""}, {0, 0}, "cut.bmp is damaged: the file ends before"},
    };
    for (const auto &c : cases) {
        pick(QString::fromLatin1(c.name));
        EXPECT_EQ(shown(), c.numbers) << c.name;
        EXPECT_EQ(find<QLabel>("pbxMain")->pixmap().deviceIndependentSize().toSize(), c.thumbnail)
            << c.name;
        EXPECT_EQ(message().left(int(strlen(c.said))), QLatin1String(c.said)) << c.name;
        EXPECT_EQ(stored(keys::kFile), QString::number(files()->currentRow())) << c.name;
        EXPECT_FALSE(find<QCheckBox>("cbxActive")->isChecked());
    }
    pick(QStringLiteral("IMG_0001.JPG"));
    EXPECT_EQ(find<QLineEdit>("txtFileName")->text(),
              QDir::toNativeSeparators(m_pics + QStringLiteral("/IMG_0001.JPG")));
    EXPECT_EQ(find<QLineEdit>("txtFileSize")->text(),
              QLocale(QLocale::English, QLocale::UnitedStates)
                  .toString(QFileInfo(m_pics + "/IMG_0001.JPG").size()));
}

TEST_F(PixXploreTest, CopyPutsAMetafileUnderItsTypeOnlyWhenNamedInLowerCase) {
    pick(QStringLiteral("plan.emf"));
    find<QPushButton>("cmdCopy")->click();
    settle();
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(data->data(QStringLiteral("image/x-emf")), emfFrame640x480());

    pick(QStringLiteral("PLAN.EMF"));
    find<QPushButton>("cmdCopy")->click();
    settle();
    data = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(data->hasImage());
    EXPECT_FALSE(data->hasFormat(QStringLiteral("image/x-emf")));
}

TEST_F(PixXploreTest, ARememberedFileOutsideTheListSelectsNothing) {
    save(keys::kFile, QStringLiteral("99"));
    open(m_panel);
    EXPECT_EQ(files()->currentRow(), -1);
    save(keys::kFile, QStringLiteral("4"));
    open(m_panel);
    EXPECT_EQ(files()->currentItem()->text(), QStringLiteral("tall.png"));
}

TEST_F(PixXploreTest, ListingsWriteFilesLstAndAStoppedOneLeavesTheOld) {
    const QString lst = m_pics + u'/' + pictures::kListingName;
    save(keys::kFile, QStringLiteral("-1"));
    find<QPushButton>("cmdList")->click();
    waitForListing();
    QFile f(lst);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray listing = f.readAll();
    f.close();
    EXPECT_TRUE(listing.contains("IMG_0001.JPG Dated ")) << listing.constData();
    EXPECT_TRUE(listing.endsWith("\t1 Files totaling " +
                                 QLocale(QLocale::English, QLocale::UnitedStates)
                                     .toString(QFileInfo(m_pics + "/IMG_0001.JPG").size())
                                     .toLatin1() +
                                 " bytes\r\n"))
        << listing.constData();

    // A listing whose read never ends: Stop does not wait for it, and keeps the old listing.
    std::promise<void> gate;
    const std::shared_future<void> opened = gate.get_future().share();
    m_panel.setReaders(pictures::readShownFile, [opened](const QString &path) {
        opened.wait();
        return pictures::probePicture(path);
    });
    find<QPushButton>("cmdList")->click();
    EXPECT_TRUE(m_panel.listing());
    m_panel.stopListing();
    EXPECT_FALSE(m_panel.listing());
    EXPECT_EQ(message(), QStringLiteral("Listing stopped; Files.lst left as it was."));
    gate.set_value();
    for (int i = 0; i < 200 && !QDir(m_pics).entryList({".Files.lst*"}, QDir::Hidden).isEmpty();
         ++i)
        QTest::qWait(5);
    EXPECT_TRUE(QDir(m_pics).entryList({".Files.lst*"}, QDir::Hidden).isEmpty());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), listing);
    f.close();

    find<QPushButton>("cmdListAll")->click();
    waitForListing();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("\t6 Files totaling "));
}

TEST_F(PixXploreTest, AnEmptyFolderOrAnUnwritableOneListsNothingAndBrowsingGoesOn) {
    const QString empty = m_env.filePath(QStringLiteral("empty"));
    QDir().mkpath(empty);
    save(keys::kFolder, empty);
    open(m_panel);
    find<QPushButton>("cmdListAll")->click();
    EXPECT_FALSE(m_panel.listing());
    EXPECT_TRUE(QDir(empty).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(find<QPushButton>("cmdList")->isEnabled());

    // A folder named Files.lst stands where the listing would go.
    QDir().mkpath(m_pics + u'/' + pictures::kListingName);
    save(keys::kFolder, m_pics);
    open(m_panel);
    find<QPushButton>("cmdListAll")->click();
    waitForListing();
    EXPECT_TRUE(message().startsWith(QStringLiteral("Files.lst not written")))
        << message().toStdString();
    pick(QStringLiteral("notes.txt"));
    EXPECT_EQ(find<QLineEdit>("txtFileSize")->text(), QStringLiteral("5"));
}

TEST_F(PixXploreTest, AReadThatNeverEndsHoldsUpNeitherTheWindowNorANewerChoice) {
    std::promise<void> gate;
    const std::shared_future<void> opened = gate.get_future().share();
    const auto slowPhoto = [opened](const QString &path, int side) {
        if (path.endsWith(QStringLiteral("IMG_0001.JPG")))
            opened.wait();
        return pictures::readShownFile(path, side);
    };
    m_panel.setReaders(slowPhoto, pictures::probePicture);
    choose(QStringLiteral("IMG_0001.JPG"), m_panel);
    EXPECT_TRUE(m_panel.reading());
    EXPECT_TRUE(find<QCheckBox>("cbxActive")->isChecked());
    EXPECT_EQ(shown(), QStringList({"", "", ""})); // nothing of the picture before
    pick(QStringLiteral("tall.png"));
    EXPECT_EQ(shown(), QStringList({"200", "300", "0.06"}));
    EXPECT_FALSE(find<QCheckBox>("cbxActive")->isChecked());
    {
        // A panel that goes while its read hangs does not wait for it either.
        PictureExplorer other(m_env.services());
        other.setReaders(slowPhoto, pictures::probePicture);
        open(other);
        choose(QStringLiteral("IMG_0001.JPG"), other);
    }
    gate.set_value();
    QTest::qWait(50);
    EXPECT_EQ(shown(), QStringList({"200", "300", "0.06"})); // the older read came too late
}

TEST_F(PixXploreTest, ARememberedFolderThatCannotBeReadIsSaidAtStart) {
    const QString locked = m_env.filePath(QStringLiteral("locked"));
    QDir().mkpath(locked);
    ::chmod(QFile::encodeName(locked).constData(), 0);
    save(keys::kFolder, locked);
    m_panel.findChild<FilePicker *>()->setFolderReader([](const QString &folder) {
        const test::ObeyPermissions asAUser; // on the reading thread
        return shell::readFolder(folder);
    });
    open(m_panel);
    ::chmod(QFile::encodeName(locked).constData(), 0700);
    EXPECT_EQ(message(), QStringLiteral("Cannot read the folder %1: Permission denied")
                             .arg(QDir::toNativeSeparators(locked)));
    EXPECT_NE(m_panel.findChild<FilePicker *>()->folder(), locked);
}

} // namespace
} // namespace vidorev
