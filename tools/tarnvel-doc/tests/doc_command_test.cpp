// tarnvel-doc's commands, through the library and once through the program itself.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "richtext/tests/temp_dir.h"
#include "reader/section/section.h"
#include "tools/tarnvel-doc/doc_command.h"

namespace tarnvel::doc {
namespace {

using richtext::test::TempDir;

const std::string kFixtures = TARNVEL_RICHTEXT_FIXTURES;

struct Result {
    int status;
    std::string out, err;
};

Result run_doc(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = run(args, out, err);
    return {status, out.str(), err.str()};
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// A document with every marker of one file, each section closed, in table order (so Month1 comes
// before Month10).
std::string document_with(section::DocumentFile file, std::string_view skip = "") {
    std::string rtf = "{\\rtf1\\ansi ";
    for (const auto& m : section::all_markers()) {
        if (m.file != file || m.text() == skip) continue;
        rtf += m.text() + "\\par " + "Section " + m.text() + "\\par " + m.text() + "\\par\n";
    }
    return rtf + "}";
}

TEST(TextCommand, MatchesLibreOfficeWithCrLf) {
    // LibreOffice's export of the same file, turned into the reader's counting: no byte-order mark,
    // CR LF between paragraphs, none after the last.
    std::string lo = slurp(kFixtures + "/lo-text.txt").substr(3);
    lo.pop_back();
    std::string expected;
    for (char c : lo) expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const Result r = run_doc({"text", kFixtures + "/lo-text.rtf"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.err, "");
}

TEST(ShowCommand, SectionsOfARealDocument) {
    const struct {
        const char* marker;
        const char* section;
    } cases[] = {
        {"Month1", "\u0A1A\u0A47\u0A24 \u0A17\u0A4B\u0A35\u0A3F\u0A70\u0A26\u0A41 \u0A05\u0A30\u0A3E\u0A27\u0A40\u0A10\r\n"},
        {"Month10", "\u0A2A\u0A4B\u0A16\u0A3F \u0A24\u0A41\u0A16\u0A3E\u0A30\u0A41 \u0A28 \u0A35\u0A3F\u0A06\u0A2A\u0A08\r\n"},
    };
    for (const auto& c : cases) {
        const Result r = run_doc({"show", kFixtures + "/lo-text.rtf", c.marker});
        EXPECT_EQ(r.status, 0) << c.marker;
        EXPECT_EQ(r.out, c.section) << c.marker;
    }
    const Result help = run_doc({"show", kFixtures + "/lo-text.rtf", "Help0"});
    EXPECT_EQ(help.out.substr(0, 7), "Plain b");
    EXPECT_EQ(help.out.substr(help.out.size() - 7), " ends\r\n");
    EXPECT_NE(help.out.find("line one\r\nline two"), std::string::npos);
}

TEST(ShowCommand, MissingMarkerOrFile) {
    const Result r = run_doc({"show", kFixtures + "/lo-text.rtf", "Tarnvel0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    EXPECT_NE(r.err.find("\"Tarnvel0\""), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("the page about Tarnvel"), std::string::npos) << r.err;

    const Result nofile = run_doc({"show", kFixtures + "/absent.rtf", "Help0"});
    EXPECT_EQ(nofile.status, 1);
    EXPECT_NE(nofile.err.find("absent.rtf: no such file"), std::string::npos) << nofile.err;
}

TEST(CheckCommand, EveryMarkerSound) {
    TempDir dir;
    dir.write("One.rtf", document_with(section::DocumentFile::One));
    dir.write("Two.rtf", document_with(section::DocumentFile::Two));
    const Result r = run_doc({"check", dir.path().string()});
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("394 of 394 markers sound"), std::string::npos) << r.out;
    EXPECT_EQ(r.err, "");
}

TEST(CheckCommand, ReportsMissingTrappedAndUnreadable) {
    TempDir dir;
    // Month10's section placed first: the first "Month1" in the text is the start of "Month10".
    dir.write("One.rtf", "{\\rtf1 Month10\\par Poh\\par Month10\\par " + document_with(section::DocumentFile::One, "Help0").substr(11));
    const Result r = run_doc({"check", dir.path().string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("Month1                One.rtf  present  closed      cut short: the first \"Month1\" is the "
                         "start of Month10\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Help0                 One.rtf  missing\n"), std::string::npos);
    EXPECT_NE(r.out.find("Month2                One.rtf  present  closed      not cut short\n"), std::string::npos);
    EXPECT_NE(r.out.find("MAY05                 Two.rtf  unreadable\n"), std::string::npos);
    EXPECT_NE(r.err.find("Two.rtf: no such file"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("26 of 394 markers sound"), std::string::npos) << r.out;
}

TEST(Usage, BadUsageIsStatus2) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {}, {"text"}, {"show", "x"}, {"check"}, {"frob", "x"}, {"text", "a", "b"}}) {
        const Result r = run_doc(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("usage: tarnvel-doc"), std::string::npos);
        EXPECT_EQ(r.out, "");
    }
    const Result help = run_doc({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("tarnvel-doc check FOLDER"), std::string::npos);
}

// The program itself: status codes and bytes on standard output, CR LF untouched.
TEST(Program, StatusAndBytes) {
    TempDir dir;
    const std::string in = dir.write("doc.rtf", "{\\rtf1 Help0\\par Text\\par Help0}").string();
    const std::string out = (dir.path() / "out").string();
    const auto sh = [&](const std::string& args) {
        const int raw = std::system((std::string(TARNVEL_DOC_BINARY) + " " + args + " >" + out + " 2>/dev/null").c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    };
    EXPECT_EQ(sh("show " + in + " Help0"), 0);
    EXPECT_EQ(slurp(out), "Text\r\n");
    EXPECT_EQ(sh("show " + in + " MAY05"), 1);
    EXPECT_EQ(sh("bogus"), 2);
}

}  // namespace
}  // namespace tarnvel::doc
