#include "shell/note_sheets.h"
#include "test_env.h"

namespace vidorev::test {
namespace {

// A sheet keeps its text in its own section as it is typed (in memory only without one) and
// says why when the store refuses it; archiving writes one note per sheet with text, in order.
TEST(NoteSheets, SheetsKeepTheirTextAndArchiveInSheetOrder) {
    TestEnv env;
    shell::NoteSheet sheet(env.store()), again(env.store()), loose(env.store());
    EXPECT_EQ(sheet.setIdent("annSD2"), "");
    EXPECT_TRUE(sheet.save("order paper"));
    EXPECT_FALSE(onFullDisk([&] { return sheet.save(QString(20000, u'x')); }));
    EXPECT_FALSE(sheet.lastError().isEmpty());
    EXPECT_EQ(again.setIdent("annSD2"), "order paper");
    loose.setIdent("a");
    EXPECT_FALSE(loose.keepsText());
    EXPECT_EQ(
        shell::notesToArchive("ann", {"", "order paper", "", "lunch @ noon", ""}),
        (std::vector<shell::ArchivedNote>{{"annSD2", "order paper"}, {"annSD4", "lunch @ noon"}}));
}

} // namespace
} // namespace vidorev::test
