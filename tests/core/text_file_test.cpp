// Line readers, CSV fields, line appends and the line count.

#include "core_test_fixture.h"

#include <errno.h>

namespace {

class TextFileTest : public CoreTest {
protected:
    FILE* pFile = nullptr;

    FILE* Open_With(const std::string& stText) {
        Write_File("lines.txt", stText);
        pFile = fopen("lines.txt", "rb");
        return pFile;
    }

    void TearDown() override {
        if (pFile)
            fclose(pFile);
        CoreTest::TearDown();
    }
};

TEST_F(TextFileTest, ReadLineLimitCutsLongLinesAndTellsOncePerRun) {
    Open_With("abcdefg\nxy\nabcd\n123456789");
    char szLine[16];

    EXPECT_EQ(Read_Line_Limit("lines.txt", szLine, pFile, 5), 0);
    EXPECT_STREQ(szLine, "abcd");
    ASSERT_EQ(Shown_Boxes().size(), 1u);
    EXPECT_EQ(Shown_Boxes()[0].stCaption, "Read_Line_Limit");
    EXPECT_EQ(Shown_Boxes()[0].stText,
              "Line too long in lines.txt.\n\nLimit = 5 characters.\n\nExtra character(s) "
              "ignored.");
    EXPECT_EQ(gLineTooLongShown, 1);

    EXPECT_EQ(Read_Line_Limit("lines.txt", szLine, pFile, 5), 0);
    EXPECT_STREQ(szLine, "xy");
    EXPECT_EQ(Read_Line_Limit("lines.txt", szLine, pFile, 5), 0);
    EXPECT_STREQ(szLine, "abcd");
    // A last line without newline comes with the end-of-file result; no second message.
    EXPECT_EQ(Read_Line_Limit("lines.txt", szLine, pFile, 5), 1);
    EXPECT_STREQ(szLine, "1234");
    EXPECT_EQ(Shown_Boxes().size(), 1u);

    EXPECT_EQ(Read_Line_Limit("lines.txt", szLine, pFile, 5), 1);
    EXPECT_STREQ(szLine, "");
}

TEST_F(TextFileTest, LineOfExactlyTheLimitIsKeptWithoutMessage) {
    Open_With("abcd\n");
    char szLine[8];
    EXPECT_EQ(Read_Line_Limit("lines.txt", szLine, pFile, 5), 0);
    EXPECT_STREQ(szLine, "abcd");
    EXPECT_EQ(gLineTooLongShown, 0);
    EXPECT_TRUE(Test_Get_Transcript().empty());
}

TEST_F(TextFileTest, ReadLineDropsCarriageReturnsAndSignalsTheEnd) {
    Open_With("Boston,1\r\n\r\nlast\rline");
    char szLine[TEXT_BUFFER_SIZE];
    EXPECT_EQ(Read_Line(szLine, sizeof(szLine), pFile), 0);
    EXPECT_STREQ(szLine, "Boston,1");
    EXPECT_EQ(Read_Line(szLine, sizeof(szLine), pFile), 0);
    EXPECT_STREQ(szLine, "");
    EXPECT_EQ(Read_Line(szLine, sizeof(szLine), pFile), 1);
    EXPECT_STREQ(szLine, "last\rline");
    EXPECT_EQ(Read_Line(szLine, sizeof(szLine), pFile), 1);
    EXPECT_STREQ(szLine, "");

    EXPECT_EQ(Read_Line(szLine, sizeof(szLine), nullptr), 1);
    EXPECT_STREQ(szLine, "");
}

TEST_F(TextFileTest, SkipLineDropsOneLine) {
    Open_With("header,row\nvalue\n");
    char szLine[TEXT_BUFFER_SIZE];
    EXPECT_EQ(Skip_Line(pFile), 0);
    EXPECT_EQ(Read_Line(szLine, sizeof(szLine), pFile), 0);
    EXPECT_STREQ(szLine, "value");
    EXPECT_EQ(Skip_Line(pFile), 1);
    EXPECT_EQ(Skip_Line(nullptr), 1);
}

TEST_F(TextFileTest, PopFieldSplitsAtEveryDelimiter) {
    struct FIELD {
        const char* szField;
        int nLast;
    };
    char szText[32];
    char szField[32];

    safe_strncpy(szText, "a,b,,\"c\"", sizeof(szText));
    const FIELD aExpected[] = {{"a", 0}, {"b", 0}, {"", 0}, {"\"c\"", 1}};
    for (const FIELD& expected : aExpected) {
        EXPECT_EQ(Pop_Field(szField, sizeof(szField), szText, ','), expected.nLast);
        EXPECT_STREQ(szField, expected.szField);
    }
    EXPECT_STREQ(szText, "");

    // An empty text is one empty last field; a trailing delimiter leaves one more.
    EXPECT_EQ(Pop_Field(szField, sizeof(szField), szText, ','), 1);
    EXPECT_STREQ(szField, "");
    safe_strncpy(szText, "x;", sizeof(szText));
    EXPECT_EQ(Pop_Field(szField, sizeof(szField), szText, ';'), 0);
    EXPECT_STREQ(szText, "");
    EXPECT_EQ(Pop_Field(szField, sizeof(szField), szText, ';'), 1);
}

// A field longer than its buffer is cut to fit, and the text still loses the whole field.
TEST_F(TextFileTest, PopFieldCutsAtTheFieldSize) {
    char szText[32];
    char szField[8];
    memset(szField, 'x', sizeof(szField));
    safe_strncpy(szText, "abcdefghij,k", sizeof(szText));
    EXPECT_EQ(Pop_Field(szField, 4, szText, ','), 0);
    EXPECT_STREQ(szField, "abc");
    EXPECT_EQ(szField[4], 'x');
    EXPECT_STREQ(szText, "k");
}

TEST_F(TextFileTest, AppendsCreateTheFileAndAddNewlines) {
    remove("append.txt");
    EXPECT_EQ(Append_Line_To_File("append.txt", "one"), 1);
    EXPECT_EQ(Append_Format_Line("append.txt", "%d,%s", 2, "two"), 1);
    EXPECT_EQ(Append_Format_To_File("append.txt", "three"), 1);
    EXPECT_EQ(Read_File("append.txt"), "one\n2,two\nthree\n");

    EXPECT_EQ(Append_Line_To_File("", "x"), 0);
    EXPECT_EQ(Append_Line_To_File("append.txt", nullptr), 0);
    EXPECT_EQ(Append_Line_To_File("no_such_folder/append.txt", "x"), 0);
    EXPECT_EQ(Append_Format_To_File("no_such_folder/append.txt", "x"), 0);
    EXPECT_TRUE(Test_Get_Transcript().empty());
}

TEST_F(TextFileTest, CountFileLinesCountsNewlinesPlusOne) {
    struct CASE {
        const char* szText;
        int nExpected;
    } const aCases[] = {
        {"", 1}, {"one", 1}, {"one\ntwo", 2}, {"one\ntwo\n", 3}, {"a\r\nb\r\n", 3},
    };
    for (const CASE& c : aCases) {
        SCOPED_TRACE(c.szText);
        Write_File("count.txt", c.szText);
        EXPECT_EQ(Count_File_Lines("count.txt"), c.nExpected);
    }
    EXPECT_TRUE(Test_Get_Transcript().empty());
}

TEST_F(TextFileTest, CountFileLinesOfAMissingFileShowsTheSystemError) {
    remove("missing.txt");
    EXPECT_EQ(Count_File_Lines("missing.txt"), 0);

    ASSERT_EQ(Shown_Boxes().size(), 1u);
    EXPECT_EQ(Shown_Boxes()[0].stCaption, "File Error");
    const std::string stStart = "Couldn't open file: \"missing.txt\"\n\n";
    EXPECT_EQ(Shown_Boxes()[0].stText.substr(0, stStart.size()), stStart);
    EXPECT_GT(Shown_Boxes()[0].stText.size(), stStart.size());
    EXPECT_EQ(Read_File("debug.txt"), "1700000000 " + Shown_Boxes()[0].stText + "\n");
}

TEST_F(TextFileTest, ErrnoText) {
    errno = 80;
    EXPECT_STREQ(Get_Errno_Text(), "String was truncated");
    errno = ENOENT;
    EXPECT_STREQ(Get_Errno_Text(), strerror(ENOENT));
}

TEST_F(TextFileTest, FileLengthAndExistence) {
    Open_With("ab\r\ncd");
    fgetc(pFile);
    EXPECT_EQ(Get_File_Length(pFile), 5);
    EXPECT_EQ(fgetc(pFile), 'a');  // rewound

    EXPECT_EQ(File_Exists("lines.txt"), 1);
    remove("missing.txt");
    EXPECT_EQ(File_Exists("missing.txt"), 0);
}

}  // namespace
