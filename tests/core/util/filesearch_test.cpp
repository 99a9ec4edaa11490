#include "util/filesearch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace ashtally {
namespace {

namespace fs = std::filesystem;

TEST(MatchesMask, Wildcards) {
    struct Case {
        const char* Name;
        const char* Mask;
        bool Matches;
    };
    const std::vector<Case> cases = {
        {"photo.jpg", "*.*", true},
        {"noext", "*.*", true},
        {"", "*", true},
        {"abc", "*", true},
        {"abc", "a*c", true},
        {"ac", "a*c", true},
        {"abc", "a?c", true},
        {"ac", "a?c", false},
        {"abcd", "a?c", false},
        {"a.b.jpg", "*.jpg", true},
        {"a.jpg.txt", "*.jpg", false},
        {"PHOTO.JPG", "*.jpg", true},
        {"photo.jpg", "*.JPG", true},
        {"aXbXc", "*b*c", true},
        {"aXbXd", "*b*c", false},
        {"", "?", false},
        {"\u00e9.jpg", "?.jpg", true}, // one letter, two bytes
        {"\u00e9", "??", false},
        {"abc", "abc", true},
        {"abc", "ab", false},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*a*c", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.Name << " ~ " << c.Mask);
        EXPECT_EQ(c.Matches, MatchesMask(c.Name, c.Mask));
    }
}

TEST(AttributesMatch, SpecialBitsMustBeAskedFor) {
    EXPECT_TRUE(AttributesMatch(faArchive, faOrdinaryFiles));
    EXPECT_TRUE(AttributesMatch(faArchive | faReadOnly, faOrdinaryFiles));
    EXPECT_FALSE(AttributesMatch(faArchive | faHidden, faOrdinaryFiles));
    EXPECT_FALSE(AttributesMatch(faSysFile, faOrdinaryFiles));
    EXPECT_FALSE(AttributesMatch(faDirectory, faOrdinaryFiles));
    EXPECT_TRUE(AttributesMatch(faDirectory, faDirectory));
    EXPECT_TRUE(AttributesMatch(faDirectory | faHidden, faAnyFile));
}

// A small picture folder:
//   a.png b.jpg notes.TXT readonly.jpg .hidden.png link-to-a -> a.png
//   dangling -> nowhere, fifo, link-to-sub1 -> sub1
//   sub1/ c.jpg deeper/d.jpg .dotdir/e.jpg deeper/.dotdir/f.jpg
//   sub2/ z.gif
//   .git/ g.jpg
class FindFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "ashtally-search-XXXXXX").string();
        ASSERT_NE(nullptr, ::mkdtemp(pattern.data()));
        m_root = pattern + "/";
        for (const char* folder : {"sub1/deeper/.dotdir", "sub1/.dotdir", "sub2", ".git"}) {
            fs::create_directories(m_root + folder);
        }
        for (const char* file : {"a.png", "b.jpg", "notes.TXT", "readonly.jpg", ".hidden.png",
                                 "sub1/c.jpg", "sub1/deeper/d.jpg", "sub1/.dotdir/e.jpg",
                                 "sub1/deeper/.dotdir/f.jpg", "sub2/z.gif", ".git/g.jpg"}) {
            std::ofstream(m_root + file) << file;
        }
        fs::permissions(m_root + "readonly.jpg",
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        fs::create_symlink(m_root + "a.png", m_root + "link-to-a");
        fs::create_symlink(m_root + "nowhere", m_root + "dangling");
        fs::create_directory_symlink(m_root + "sub1", m_root + "link-to-sub1");
        ASSERT_EQ(0, ::mkfifo((m_root + "fifo").c_str(), 0644));
    }
    void TearDown() override { fs::remove_all(m_root); }

    std::vector<std::string> Names(const FileList& list) const {
        std::vector<std::string> names;
        for (const auto& entry : list) {
            names.push_back(entry.Name.starts_with(m_root) ? entry.Name.substr(m_root.size())
                                                           : entry.Name);
        }
        return names;
    }

    std::string m_root;
};

TEST_F(FindFilesTest, FilesFirstThenSubfoldersDepthFirstSkippingDotFolders) {
    FileList found;
    FindFiles(m_root, "*.*", true, faOrdinaryFiles, found);
    const std::vector<std::string> expected = {
        "a.png",        "b.jpg",      "link-to-a",         "notes.TXT",
        "readonly.jpg", "sub1/c.jpg", "sub1/deeper/d.jpg", "sub2/z.gif",
    };
    EXPECT_EQ(expected, Names(found));
    for (const auto& entry : found) {
        EXPECT_TRUE(entry.Name.starts_with(m_root)) << entry.Name; // full paths
    }
    EXPECT_EQ(faArchive, found[0].Attributes);
    EXPECT_EQ(faArchive | faReadOnly, found[4].Attributes);
}

TEST_F(FindFilesTest, FolderWithoutSeparatorAndAppendingToResults) {
    FileList found = {{"kept", 0}};
    FindFiles(m_root.substr(0, m_root.size() - 1), "*.jpg", true, faOrdinaryFiles, found);
    const std::vector<std::string> expected = {"kept", "b.jpg", "readonly.jpg", "sub1/c.jpg",
                                               "sub1/deeper/d.jpg"};
    EXPECT_EQ(expected, Names(found));
}

TEST_F(FindFilesTest, NotRecursiveGivesBareNamesOfTheFolderItself) {
    FileList found;
    FindFiles(m_root, "?.*", false, faOrdinaryFiles, found);
    EXPECT_EQ((std::vector<std::string>{"a.png", "b.jpg"}), Names(found));
    EXPECT_EQ("a.png", found[0].Name);
}

TEST_F(FindFilesTest, TheFilterAdmitsWhatItAsksFor) {
    FileList found;
    FindFiles(m_root, "*", false, faAnyFile, found);
    const std::vector<FoundFile> expected = {
        {".git", faDirectory | faHidden},
        {".hidden.png", faArchive | faHidden},
        {"a.png", faArchive},
        {"b.jpg", faArchive},
        {"dangling", faSysFile},
        {"fifo", faSysFile},
        {"link-to-a", faArchive},
        {"link-to-sub1", faDirectory},
        {"notes.TXT", faArchive},
        {"readonly.jpg", faArchive | faReadOnly},
        {"sub1", faDirectory},
        {"sub2", faDirectory},
    };
    EXPECT_EQ(expected, found);
}

TEST_F(FindFilesTest, AMissingFolderGivesNothing) {
    FileList found;
    FindFiles(m_root + "no such folder/", "*.*", true, faOrdinaryFiles, found);
    FindFiles(m_root + "a.png", "*.*", true, faOrdinaryFiles, found);
    EXPECT_TRUE(found.empty());
}

} // namespace
} // namespace ashtally
