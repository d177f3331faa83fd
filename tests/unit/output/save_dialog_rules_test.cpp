// The save dialog's rules: preselected type, the name a confirmed choice
// becomes, the name after a type change, the remembered folder.
#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "output/save_dialog_rules.h"

namespace lg {
namespace {

TEST(SaveDialogRulesTest, FormatAndFilterIndexMapBothWays) {
    EXPECT_EQ(FilterIndexOfFormat(0), 1);
    EXPECT_EQ(FilterIndexOfFormat(1), 2);
    EXPECT_EQ(FilterIndexOfFormat(2), 3);
    EXPECT_EQ(FilterIndexOfFormat(7), 1);  // an unknown format is PNG here too
    EXPECT_EQ(FormatOfFilterIndex(1), PictureFormat::kPng);
    EXPECT_EQ(FormatOfFilterIndex(2), PictureFormat::kJpeg);
    EXPECT_EQ(FormatOfFilterIndex(3), PictureFormat::kBmp);
    EXPECT_EQ(FormatOfFilterIndex(0), PictureFormat::kPng);
    EXPECT_EQ(FormatOfFilterIndex(4), PictureFormat::kPng);
}

TEST(SaveDialogRulesTest, FilterListsThreeTypesInIndexOrder) {
    std::vector<std::u16string> parts;
    std::u16string_view rest(kSaveDialogFilter, std::size(kSaveDialogFilter) - 1);
    while (!rest.empty()) {
        const size_t nul = rest.find(u'\0');
        ASSERT_NE(nul, std::u16string_view::npos) << "every entry ends in NUL";
        parts.emplace_back(rest.substr(0, nul));
        rest.remove_prefix(nul + 1);
    }
    EXPECT_EQ(parts,
              (std::vector<std::u16string>{u"png", u"*.png", u"jpg", u"*.jpg", u"bmp", u"*.bmp"}));
    EXPECT_EQ(kSaveDialogFilter[std::size(kSaveDialogFilter) - 1], u'\0');  // the closing NUL
}

TEST(SaveDialogRulesTest, ChosenTypeDecidesTheExtension) {
    struct Case {
        const char* why;
        std::u16string_view chosen;
        int filterIndex;
        std::u16string_view expected;
    };
    const Case cases[] = {
        {"no extension typed", u"C:\\p\\shot", 1, u"C:\\p\\shot.png"},
        {"typed extension of another type is replaced", u"C:\\p\\shot.jpg", 1, u"C:\\p\\shot.png"},
        {"typed extension of the chosen type is not doubled", u"C:\\p\\shot.bmp", 3,
         u"C:\\p\\shot.bmp"},
        {"upper case is not one of ours", u"C:\\p\\shot.PNG", 1, u"C:\\p\\shot.PNG.png"},
        {"unknown extension stays part of the name", u"C:\\p\\notes.old", 2,
         u"C:\\p\\notes.old.jpg"},
        {"only the last extension counts", u"C:\\p\\a.png.jpg", 3, u"C:\\p\\a.png.bmp"},
        {"a dot in a folder name is not an extension", u"C:\\a.b\\shot", 1, u"C:\\a.b\\shot.png"},
        {"a folder named like a picture is not an extension", u"C:\\x.png\\shot", 2,
         u"C:\\x.png\\shot.jpg"},
        {"forward slashes separate folders too", u"C:/a.jpg/shot", 1, u"C:/a.jpg/shot.png"},
        {"Cyrillic name", u"D:\\Снимки\\отчёт.jpg", 2, u"D:\\Снимки\\отчёт.jpg"},
        {"extension must end the name", u"C:\\p\\shot.pngx", 1, u"C:\\p\\shot.pngx.png"},
        {"unknown filter index saves PNG", u"C:\\p\\shot", 9, u"C:\\p\\shot.png"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FinalSaveName(c.chosen, c.filterIndex), c.expected) << c.why;
    }
}

TEST(SaveDialogRulesTest, SelectionChangeRemovesOnlyAPictureExtension) {
    struct Case {
        const char* why;
        std::u16string_view name;
        std::u16string_view expected;
    };
    const Case cases[] = {
        {"an existing picture clicked in the list", u"Скриншот 08.12.26_23.05.59.png",
         u"Скриншот 08.12.26_23.05.59"},
        {"the proposed dated name keeps its seconds", u"Скриншот 08.12.26_23.05.59",
         u"Скриншот 08.12.26_23.05.59"},
        {"any letter case of our types", u"shot.JPG", u"shot"},
        {"bmp too", u"shot.bmp", u"shot"},
        {"an ending that is no picture type stays", u"notes.old", u"notes.old"},
        {"longer picture-like ending stays", u"shot.pngx", u"shot.pngx"},
        {"no dot: unchanged", u"shot", u"shot"},
        {"a dot in the folder does not count", u"C:\\x.png\\shot", u"C:\\x.png\\shot"},
        {"a folder in front is kept", u"C:\\a.b\\shot.png", u"C:\\a.b\\shot"},
        {"empty stays empty", u"", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NameWithoutExtension(c.name), c.expected) << c.why;
    }
    // A second change does not eat into the name either.
    EXPECT_EQ(NameWithoutExtension(NameWithoutExtension(u"Скриншот 08.12.26_23.05.59.png")),
              u"Скриншот 08.12.26_23.05.59");
}

TEST(SaveDialogRulesTest, FolderPartKeepsItsTrailingDelimiter) {
    EXPECT_EQ(FolderPart(u"D:\\Снимки\\2026\\shot.png"), u"D:\\Снимки\\2026\\");
    EXPECT_EQ(FolderPart(u"D:\\shot.png"), u"D:\\");
    EXPECT_EQ(FolderPart(u"D:/x/shot.png"), u"D:/x/");
    EXPECT_EQ(FolderPart(u"\\\\server\\share\\shot.png"), u"\\\\server\\share\\");
    EXPECT_EQ(FolderPart(u"shot.png"), u"");
}

TEST(SaveDialogRulesTest, OpensInLastFolderOnlyWhileItExists) {
    const std::set<std::u16string> folders = {u"D:\\Last\\", u"D:\\Auto\\"};
    const PathPredicate exists = [&](std::u16string_view f) {
        return folders.count(std::u16string(f)) != 0;
    };
    EXPECT_EQ(InitialDialogFolder(u"D:\\Last\\", u"D:\\Auto\\", exists), u"D:\\Last\\");
    EXPECT_EQ(InitialDialogFolder(u"D:\\Deleted\\", u"D:\\Auto\\", exists), u"D:\\Auto\\");
    EXPECT_EQ(InitialDialogFolder(u"", u"D:\\Auto\\", exists), u"D:\\Auto\\");
    // The automatic copies' folder is the answer even before it is created.
    EXPECT_EQ(InitialDialogFolder(u"", u"D:\\New\\", exists), u"D:\\New\\");
}

}  // namespace
}  // namespace lg
