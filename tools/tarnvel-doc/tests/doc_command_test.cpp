// tarnvel-doc's commands, through the library and once through the program itself.
#include <gtest/gtest.h>

#include "cli/tests/process.h"
#include "reader/section/section.h"
#include "tools/tarnvel-doc/doc_command.h"

namespace tarnvel::doc {
namespace {

const std::string kDocument = TARNVEL_RICHTEXT_FIXTURES "/lo-text.rtf";

test::ProcessResult doc(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = run(args, out, err);
    return {status, out.str(), err.str()};
}

// A document with every marker of one file but `skip`, each section closed, in table order.
std::string document_with(section::DocumentFile file, std::string_view skip = "") {
    std::string rtf = "{\\rtf1\\ansi ";
    for (const auto& m : section::all_markers())
        if (m.file == file && m.text() != skip) rtf += m.text() + "\\par Section " + m.text() + "\\par " + m.text() + "\\par\n";
    return rtf + "}";
}

// The text and every section of real writers' files are the rtf_corpus check's (tests/rtf-corpus).
TEST(Commands, ShowNamesAMissingMarkerOrFile) {
    const auto missing = doc({"show", kDocument, "Tarnvel0"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "tarnvel-doc: " + kDocument + " has no marker \"Tarnvel0\" (the page about Tarnvel)\n");
    const auto absent = doc({"show", TARNVEL_RICHTEXT_FIXTURES "/absent.rtf", "Help0"});
    EXPECT_EQ(absent.status, 1);
    EXPECT_NE(absent.err.find("absent.rtf: no such file"), std::string::npos) << absent.err;
}

TEST(Commands, CheckReportsSoundMissingTrappedAndUnreadable) {
    const richtext::test::TempDir dir;
    dir.write("One.rtf", document_with(section::DocumentFile::One));
    dir.write("Two.rtf", document_with(section::DocumentFile::Two));
    const auto sound = doc({"check", dir.path().string()});
    EXPECT_EQ(sound.status, 0);
    EXPECT_TRUE(sound.out.ends_with("\n394 of 394 markers sound\n")) << sound.out;
    EXPECT_EQ(sound.err, "");

    // Month10's section first: the first "Month1" in the text is the start of "Month10".
    dir.write("One.rtf", "{\\rtf1 Month10\\par Poh\\par Month10\\par " + document_with(section::DocumentFile::One, "Help0").substr(11));
    std::filesystem::remove(dir.path() / "Two.rtf");
    const auto r = doc({"check", dir.path().string()});
    EXPECT_EQ(r.status, 1);
    for (const char* line : {"Month1                One.rtf  present  closed      cut short: the first \"Month1\" is the "
                             "start of Month10\n",
                             "Help0                 One.rtf  missing\n",
                             "Month2                One.rtf  present  closed      not cut short\n",
                             "MAY05                 Two.rtf  unreadable\n", "\n26 of 394 markers sound\n"})
        EXPECT_NE(r.out.find(line), std::string::npos) << line;
    EXPECT_NE(r.err.find("Two.rtf: no such file"), std::string::npos) << r.err;
}

TEST(Commands, BadUsageIsStatus2) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {"text"}, {"show", "x"}, {"check"}, {"frob", "x"}, {"text", "a", "b"}}) {
        const auto r = doc(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.err.starts_with("usage: tarnvel-doc")) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_NE(doc({"--help"}).out.find("tarnvel-doc check FOLDER"), std::string::npos);
}

// The program itself passes the commands' statuses on; its bytes are the rtf_corpus check's.
TEST(Program, Statuses) {
    EXPECT_EQ(test::run_process({TARNVEL_DOC_BINARY, "show", kDocument, "Help0"}).status, 0);
    EXPECT_EQ(test::run_process({TARNVEL_DOC_BINARY, "show", kDocument, "MAY05"}).status, 1);
    EXPECT_EQ(test::run_process({TARNVEL_DOC_BINARY, "bogus"}).status, 2);
}

}  // namespace
}  // namespace tarnvel::doc
