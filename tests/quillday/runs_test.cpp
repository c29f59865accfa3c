// The program as a user runs it: its standard output, standard error and
// exit status for single requests, batches and CSV, with bad input of every
// kind in among good input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "program_runner.h"

namespace quillday::testing {

namespace {

using namespace std::string_view_literals;

constexpr std::string_view kUsageHint = " (quillday --help lists the options)\n";

struct RunRow {
    const char* name;
    std::vector<std::string> arguments;
    std::string_view input, out, err;
    int status;
    Surroundings surroundings = Surroundings::Files;
    std::vector<std::string> environment = {};
    const char* posixOnly = nullptr;  // why the row cannot hold elsewhere
};

// clang-format off
const RunRow kRuns[] = {
    {"converts", {"2012-12-31", "--to", "AN"}, "", "2012-12-31 CE = 10531-11-01 AN, Intercalarius\n", "", 0},
    {"adds", {"2012-12-31", "+10"}, "", "2012-12-31 CE plus 10 days = 2013-01-10 CE, Thursday\n", "", 0},
    {"one --from for both dates", {"--from", "JC", "2010-05-20", "2013-05-21"}, "", "2013-05-21 JC minus 2010-05-20 JC = 1,097 days (3 years, 1 day)\n", "", 0},
    {"a --from for each date", {"--from", "jc", "--from", "CE", "2012-12-18", "2012-12-31"}, "", "2012-12-31 CE minus 2012-12-18 JC = 0 days\n", "", 0},
    {"a negative year in parentheses", {"2012-12-31", "(-43)-03-15"}, "", "-43-03-15 CE minus 2012-12-31 CE = -750,865 days\n", "", 0},
    {"option=value", {"--to=JDN", "--thousands=none", "--order=dmy", "31-12-2012"}, "", "31-12-2012 CE = 2456293 JDN, Monday\n", "", 0},
    {"a zero day count is dropped", {"2012-12-31", "2013-01-01", "+0"}, "", "2013-01-01 CE minus 2012-12-31 CE = 1 day\n", "", 0},
    {"invalid date", {"2013-02-29"}, "", "", "quillday: First date is not valid in calendar specified.\n", 1},
    {"German message", {"--lang", "de", "2013-02-29"}, "", "", "quillday: Erstes Datum ist in dem angegebenen Kalender nicht zulässig.\n", 1},
    {"out of range", {"--from", "JDN", "2100000000", "+1"}, "", "2,100,000,000 JDN plus 1 day = Out of Range\n", "quillday: Result is out of range.\n", 1},
    {"two dates and days", {"2012-12-31", "2013-01-01", "+5"}, "", "", "quillday: If both the first date and the second date are given, no day count may be given.\n", 1},
    {"German message on one line", {"--lang", "de", "2012-12-31", "2013-01-01", "+5"}, "", "", "quillday: Wenn sowohl Erstes als auch Zweites Datum angegeben sind, darf keine Anzahl Tage angegeben sein.\n", 1},
    {"a second date of digits alone: hint", {"2012-12-31", "10"}, "", "", "quillday: Second date is not valid in calendar specified. (a day count is written +10)\n", 1},
    {"a character no date holds", {"--separator", "/", "2012/12/31 BC"}, "", "", "quillday: 'B' cannot stand in the first date '2012/12/31 BC'\n", 1},
    {"a fraction of days", {"2012-12-31", "+1.5"}, "", "", "quillday: a day count is a whole number of days, not '+1.5'\n", 1},
    {"a Julian date", {"--from", "JDN", "2456293.5"}, "", "", "quillday: day numbers are whole days: the first date '2456293.5' is a Julian date within day number 2456294\n", 1},
    {"-- ends the options", {"--from", "JC", "--", "-43-03-15"}, "", "-43-03-15 JC = -43-03-13 CE, Wednesday\n", "", 0},
    {"a dash word that is no operand", {"-to", "AN", "2012-12-31"}, "", "", "quillday: unknown option -to", 2},
    {"a negative day count", {"2012-12-31", "-10"}, "", "2012-12-31 CE minus 10 days = 2012-12-21 CE, Friday\n", "", 0},
    {"language of LANG", {"2013-02-29"}, "", "", "quillday: Erstes Datum ist in dem angegebenen Kalender nicht zulässig.\n", 1, Surroundings::Files, {"LANG=de_DE.UTF-8"}},
    {"LC_ALL before LC_MESSAGES before LANG", {"2013-02-29"}, "", "", "quillday: La primera fecha no es válida en un calendario especificado.\n", 1, Surroundings::Files, {"LC_ALL=es_ES.UTF-8", "LC_MESSAGES=C", "LANG=de_DE"}},
    {"not UTF-8", {"\xff"}, "", "", "quillday: the request is not UTF-8 text\n", 1},
    {"unknown option", {"--tu", "AN", "2012-12-31"}, "", "", "quillday: unknown option --tu (quillday --help lists the options)\n", 2},
    {"unknown order passed as it is: blanks, quotes, backslashes", {"--order", "y \"d\\\" m\\", "1"}, "", "", "quillday: unknown date order 'y \"d\\\" m\\' (ymd, dmy or mdy)", 2},
    {"missing value", {"2012-12-31", "--to"}, "", "", "quillday: the option --to needs a value", 2},
    {"three dates", {"1", "2", "3"}, "", "", "quillday: more than two dates: '3'", 2},
    {"two day counts", {"1", "+2", "-3"}, "", "", "quillday: more than one day count: '-3'", 2},
    {"batch and csv", {"--batch", "--csv", "1"}, "", "", "quillday: --batch and --csv exclude each other", 2},
    {"column 0", {"--csv", "0"}, "", "", "quillday: the column of --csv is a number from 1 or, with --header, a name, not '0'", 2},
    {"a column name without --header", {"--csv", "date"}, "", "", "quillday: --csv names column 'date' by its name only with --header", 2},
    {"batch: blank, invalid, CR LF, per-line notations, no final line end", {"--batch", "{input}"},
     "2012-12-31 +10\r\n\r\nbad\n2012-01-01 2013-03-15\n --from JDN 2456293 --to AN \n2013-02-29",
     "2012-12-31 CE plus 10 days = 2013-01-10 CE, Thursday\n\n\n2013-03-15 CE minus 2012-01-01 CE = 439 days (1 year, 2 months, 14 days)\n2,456,293 JDN = 10531-11-01 AN, Intercalarius\n\n",
     "quillday: line 3: 'b' cannot stand in the first date 'bad'\nquillday: line 6: First date is not valid in calendar specified.\n", 1},
    {"batch: NUL, bytes not UTF-8 (overlong, surrogate, beyond U+10FFFF, cut short, lone), UTF-8 text", {"--batch"},
     "2012-12-31\0\n2012-12-31\xff\n2012-12-31(\xc3\xa9)\n--lang de\n\xc0\xaf\n\xed\xa0\x80\n\xf4\x90\x80\x80\n\xe2\x82\n\x80\n\xf0\x9f\x98\x80\n\xf4\x8f\xbf\xbf\n\xf5\x80\x80\x80\n\xf1\x80\x80\x80\n"sv,
     "\n\n\n\n\n\n\n\n\n\n\n\n\n",
     "quillday: line 1: the request holds a NUL byte\nquillday: line 2: the request is not UTF-8 text\nquillday: line 3: '\xc3\xa9' cannot stand in the first date '2012-12-31(\xc3\xa9)'\nquillday: line 4: only --from and --to may stand in a request, not --lang\n"
     "quillday: line 5: the request is not UTF-8 text\nquillday: line 6: the request is not UTF-8 text\nquillday: line 7: the request is not UTF-8 text\nquillday: line 8: the request is not UTF-8 text\nquillday: line 9: the request is not UTF-8 text\n"
     "quillday: line 10: '\xf0\x9f\x98\x80' cannot stand in the first date '\xf0\x9f\x98\x80'\nquillday: line 11: '\xf4\x8f\xbf\xbf' cannot stand in the first date '\xf4\x8f\xbf\xbf'\n"
     "quillday: line 12: the request is not UTF-8 text\nquillday: line 13: '\xf1\x80\x80\x80' cannot stand in the first date '\xf1\x80\x80\x80'\n", 1},
    {"batch: strict stops after the first invalid line", {"--batch", "--strict"}, "2012-12-31\nbad\n2013-01-01\n", "2012-12-31 CE, Monday\n\n", "quillday: line 2: 'b' cannot stand in the first date 'bad'\n", 1},
    {"batch: characters, fractions, exponents, prefixes, groups", {"--batch"},
     "2012-W01-1\nv2;2012-12-31\n2012-12-31 1e6\n2012-12-31 +0x10\n--from JDN -2456293.7\n2012-12-31 +1,00\n--from JDN -1,000 +1,000\n--from JDN -2.5\n--from JDN 99.5\n",
     "\n\n\n\n\n\n-1,000 JDN plus 1,000 days = -4713-11-24 CE, Monday\n\n\n",
     "quillday: line 1: 'W' cannot stand in the first date '2012-W01-1'\nquillday: line 2: 'v' cannot stand in the first date 'v2;2012-12-31'\n"
     "quillday: line 3: 'e' cannot stand in the second date '1e6'\nquillday: line 4: 'x' cannot stand in the day count '+0x10'\n"
     "quillday: line 5: day numbers are whole days: the first date '-2456293.7' is a Julian date within day number -2456294\n"
     "quillday: line 6: the day count '+1,00' is not digits with ',' only between groups of three\n"
     "quillday: line 8: day numbers are whole days: the first date '-2.5' is a Julian date within day number -2\nquillday: line 9: day numbers are whole days: the first date '99.5' is a Julian date within day number 100\n", 1},
    {"batch: separators only between groups of three", {"--batch", "--thousands", "."},
     "2012-12-31 +1.0000\n2012-12-31 +1000.000\n2012-12-31 +1.000.\n2012-12-31 +1.000\n--from JDN -0,51\n",
     "\n\n\n2012-12-31 CE plus 1.000 days = 2015-09-27 CE, Sunday\n\n",
     "quillday: line 1: the day count '+1.0000' is not digits with '.' only between groups of three\nquillday: line 2: the day count '+1000.000' is not digits with '.' only between groups of three\n"
     "quillday: line 3: the day count '+1.000.' is not digits with '.' only between groups of three\n"
     "quillday: line 5: day numbers are whole days: the first date '-0,51' is a Julian date within day number -1\n", 1},
    {"batch: no separator with --thousands none", {"--batch", "--thousands", "none"}, "2012-12-31 +1,000\n2012-12-31 +1000\n", "\n2012-12-31 CE plus 1000 days = 2015-09-27 CE, Sunday\n", "quillday: line 1: ',' cannot stand in the day count '+1,000'\n", 1},
    {"batch: CR, LF and CR LF each end a line", {"--batch"}, "\r2012-12-31\r2013-01-01\r\n2013-01-02\n\r", "\n2012-12-31 CE, Monday\n2013-01-01 CE, Tuesday\n2013-01-02 CE, Wednesday\n\n", "", 0},
    {"batch: control characters echoed escaped", {"--batch"}, "x\x1b[2J\xc2\x9b\n", "\n", "quillday: line 1: 'x' cannot stand in the first date 'x\\x1b[2J\\u009b'\n", 1},
    {"batch: a full disk ends the run", {"--batch"}, "2012-12-31\n", "", "quillday: cannot write the output: No space left on device\n", 1, Surroundings::FullDisk, {}, "Windows has no /dev/full"},
    {"batch: a closed pipe ends the run on endless input, within a line", {"--batch"}, "2012-12-31\n2012-12", "", "quillday: cannot write the output: Broken pipe\n", 1, Surroundings::ClosedPipe, {}, "Windows has no SIGPIPE to ignore"},
    {"csv: a closed pipe ends the run on endless input, within a line", {"--csv", "1"}, "2012-12-31\n2012-12", "", "quillday: cannot write the output: Broken pipe\n", 1, Surroundings::ClosedPipe, {}, "Windows has no SIGPIPE to ignore"},
    {"batch: non-blocking input is waited for", {"--batch"}, "2012-12-31\n2013-01-01\n", "2012-12-31 CE, Monday\n2013-01-01 CE, Tuesday\n", "", 0, Surroundings::NonBlockingInput, {}, "Windows has no O_NONBLOCK for standard input"},
    {"help on a full disk", {"--help"}, "", "", "quillday: cannot write the output: No space left on device\n", 1, Surroundings::FullDisk, {}, "Windows has no /dev/full"},
    {"an input that cannot be read is named", {"--batch", "/"}, "", "", "quillday: cannot read /: Is a directory\n", 1, Surroundings::Files, {}, "Windows opens no folder as a file"},
    {"csv: quotes, commas and line breaks in fields, CR LF", {"--csv", "2", "--to", "JDN"},
     "name,date\r\n\"Smith, John\",\"2012-12-31\"\r\n\"said \"\"hi\"\"\r\nthere\",2000-01-01\r\nx,bad\r\n",
     "name,date,\r\n\"Smith, John\",\"2012-12-31\",\"2012-12-31 CE = 2,456,293 JDN, Monday\"\r\n\"said \"\"hi\"\"\r\nthere\",2000-01-01,\"2000-01-01 CE = 2,451,545 JDN, Saturday\"\r\nx,bad,\r\n",
     "quillday: line 1: 'd' cannot stand in the first date 'date'\nquillday: line 5: 'b' cannot stand in the first date 'bad'\n", 1},
    {"csv: a header, a column by name, CR, LF and CR LF", {"--csv", "when", "--header", "--to", "JDN"},
     "\"name\",when\r\nx,2012-12-31\ry,2013-01-01\nz,2013-01-02",
     "\"name\",when,JDN\r\nx,2012-12-31,\"2012-12-31 CE = 2,456,293 JDN, Monday\"\ry,2013-01-01,\"2013-01-01 CE = 2,456,294 JDN, Tuesday\"\nz,2013-01-02,\"2013-01-02 CE = 2,456,295 JDN, Wednesday\"\n", "", 0},
    {"csv: a header without the named column", {"--csv", "when", "--header"}, "name,date\nx,2012-12-31\n", "name,date,CE\n", "quillday: line 1: the header has no column 'when'\n", 1},
    {"csv: blank line, short record, other bytes copied, no final line end", {"--csv", "2"},
     "a,2012-12-31\n\nb\nc,bad,\xff\nd,2013-01-01",
     "a,2012-12-31,\"2012-12-31 CE, Monday\"\n\nb,\nc,bad,\xff,\nd,2013-01-01,\"2013-01-01 CE, Tuesday\"\n",
     "quillday: line 3: the record has no column 2\nquillday: line 4: 'b' cannot stand in the first date 'bad'\n", 1},
    {"csv: a quote left open", {"--csv", "1"}, "\"2012-12-31\nx", "\"2012-12-31\nx\",\n", "quillday: line 1: a quoted field is not closed at the end of the input\n", 1},
};
// clang-format on

class RunsTest : public ::testing::TestWithParam<RunRow> {};

TEST_P(RunsTest, WritesTheAnswersTheMessagesAndTheStatus) {
    const RunRow& row = GetParam();
    if (!kPosixSystem && row.posixOnly != nullptr) {
        GTEST_SKIP() << row.posixOnly;
    }
    const ProgramRun run = RunProgram(row.arguments, row.input, row.surroundings, row.environment);
    EXPECT_EQ(run.out, row.out);
    // Usage errors end with the hint, unless the row spells it out.
    EXPECT_TRUE(run.err == row.err || run.err == std::string(row.err) + std::string(kUsageHint))
        << run.err;
    EXPECT_EQ(run.status, row.status);
}

INSTANTIATE_TEST_SUITE_P(Rows, RunsTest, ::testing::ValuesIn(kRuns), [](const auto& test) {
    std::string name = test.param.name;
    std::replace_if(
        name.begin(), name.end(), [](unsigned char c) { return !std::isalnum(c); }, '_');
    return name;
});

// Long lines among good ones: 10,000 characters are read as any line, more
// than the limit are refused, in a batch and in a CSV cell; every other line
// is answered.
TEST(LongLines, AreAnsweredOrRefusedAndNothingElseIsLost) {
    const std::string padded = "2012-12-31" + std::string(9'988, ' ') + "+1";
    const std::string tooLong(70'000, '1');
    const ProgramRun run =
        RunProgram({"--batch"}, "2013-01-01\n" + padded + "\n" + tooLong + "\n2013-01-02\n");
    EXPECT_EQ(run.out,
              "2013-01-01 CE, Tuesday\n2012-12-31 CE plus 1 day = 2013-01-01 CE, Tuesday\n\n"
              "2013-01-02 CE, Wednesday\n");
    EXPECT_EQ(run.err, "quillday: line 3: the line is longer than 65536 bytes\n");
    EXPECT_EQ(RunProgram({"--csv", "1"}, tooLong).err,
              "quillday: line 1: the cell is longer than 65536 bytes\n");
}

// A long batch is answered in pieces on several threads and read in
// buffers: its answers and its line numbers stay in order across both, and
// LF, CR LF and lone CR end lines anywhere; a strict run stops at the first
// error however far in.
TEST(LongBatches, KeepTheirOrderAndLineNumbersAcrossPiecesAndReads) {
    constexpr int kLines = 50'000;
    const std::vector<int> bad = {1, 6'000, 6'001, 19'999, 33'333, kLines};
    constexpr int kTooLong = 25'000;
    const std::string lineEnds[] = {"\n", "\r\n", "\r"};
    std::string input, out, err;
    for (int n = 1; n <= kLines; ++n) {
        const std::string number = std::to_string(n);
        if (n == kTooLong) {
            input += std::string(70'000, '1');
            err += "quillday: line " + number + ": the line is longer than 65536 bytes\n";
            out += "\n";
        } else if (std::find(bad.begin(), bad.end(), n) != bad.end()) {
            input += "bad";
            err += "quillday: line " + number + ": 'b' cannot stand in the first date 'bad'\n";
            out += "\n";
        } else {
            input += n % 2 == 0 ? "2012-12-31" : "2013-01-01 +1";
            out += n % 2 == 0 ? "2012-12-31 CE, Monday\n"
                              : "2013-01-01 CE plus 1 day = 2013-01-02 CE, Wednesday\n";
        }
        input += n % 7 == 0 ? lineEnds[n / 7 % 3] : "\n";
    }
    const ProgramRun run = RunProgram({"--batch"}, input);
    EXPECT_TRUE(run.out == out) << "the answers differ";
    EXPECT_EQ(run.err, err);
    EXPECT_EQ(run.status, 1);

    const ProgramRun strict = RunProgram({"--batch", "--strict"}, input.substr(4));
    const std::size_t firstError = out.find("\n\n", 1) + 2;
    EXPECT_TRUE(strict.out == out.substr(1, firstError - 1)) << "the strict answers differ";
    EXPECT_EQ(strict.err, "quillday: line 5999: 'b' cannot stand in the first date 'bad'\n");
}

// The edge of a read (the input's buffer of 64 KiB, which a file fills) may
// split a line end: a CR as the buffer's last byte ends one line whether an
// LF follows in the next read or not, and a blank line at the start of a read
// stays a line.
TEST(LongBatches, EndLinesRightAtTheEdgeOfARead) {
    constexpr std::size_t kRead = 64 * 1024;
    const std::string date = "2012-12-31";
    const std::string dateAnswer = "2012-12-31 CE, Monday\n";
    const struct {
        const char *name, *edge, *after, *answersAfter;
    } kEdges[] = {
        {"CR LF split", "\r", "\n2013-01-01\n", "2013-01-01 CE, Tuesday\n"},
        {"lone CR", "\r", "2013-01-01\n", "2013-01-01 CE, Tuesday\n"},
        {"lone CR, then a blank line", "\r", "\r\n2013-01-01\n", "\n2013-01-01 CE, Tuesday\n"},
        {"LF, then a blank line", "\n", "\n2013-01-01\n", "\n2013-01-01 CE, Tuesday\n"},
    };
    // Whole lines, then one padded with blanks so that its end is the
    // buffer's last byte.
    const std::size_t lines = (kRead - 1 - date.size()) / (date.size() + 1);
    std::string before, answersBefore;
    for (std::size_t n = 0; n < lines; ++n) {
        before += date + "\n";
        answersBefore += dateAnswer;
    }
    before += date + std::string(kRead - 1 - before.size() - date.size(), ' ');
    answersBefore += dateAnswer;
    for (const auto& edge : kEdges) {
        SCOPED_TRACE(edge.name);
        const std::string input = before + edge.edge + edge.after;
        ASSERT_EQ(input[kRead - 1], edge.edge[0]);
        const ProgramRun run = RunProgram({"--batch", "{input}"}, input);
        EXPECT_TRUE(run.out == answersBefore + edge.answersAfter) << "the answers differ";
        EXPECT_EQ(run.err, "");
    }
}

// Without its engine the program says why, as the window does, and ends.
TEST(MissingEngine, IsReportedWithTheLoadersReason) {
    const std::filesystem::path alone = OwnFolder("quillday_alone");
    const std::filesystem::path program =
        alone / std::filesystem::path(QUILLDAY_PROGRAM).filename();
    std::filesystem::copy_file(QUILLDAY_PROGRAM, program,
                               std::filesystem::copy_options::overwrite_existing);
    const ProgramRun run =
        RunProgram({"2012-12-31"}, "", Surroundings::Files, {}, program.string());
    std::filesystem::remove_all(alone);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("quillday: Cannot load the calendar engine")) << run.err;
}

TEST(Help, ListsTheOptionsForHelpAndH) {
    const ProgramRun run = RunProgram({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with("Usage: quillday")) << run.out;
    EXPECT_EQ(RunProgram({"-h"}).out, run.out);
}

}  // namespace

}  // namespace quillday::testing
