// Remembering the dialog's folder in memory and under the program's key.
#include "output/last_path.h"

#include <gtest/gtest.h>

#include "support/memory_registry_store.h"

namespace lg {
namespace {

TEST(SaveLastPathTest, NewFolderCreatesKeyAndStoresString) {
    MemoryRegistryStore store;
    std::u16string lastPath;
    EXPECT_TRUE(SaveLastPath(store, lastPath, u"D:\\Снимки\\"));
    EXPECT_EQ(lastPath, u"D:\\Снимки\\");
    EXPECT_EQ(store.ReadString(kProgramKey, u"lastpath"), u"D:\\Снимки\\");
}

TEST(SaveLastPathTest, SameFolderWritesNothing) {
    MemoryRegistryStore store;
    store.AddKey(kProgramKey);
    std::u16string lastPath = u"D:\\A\\";
    EXPECT_TRUE(SaveLastPath(store, lastPath, u"D:\\A\\"));
    EXPECT_TRUE(store.ValueNames(kProgramKey).empty());
}

TEST(SaveLastPathTest, ComparisonIsExact) {
    MemoryRegistryStore store;
    std::u16string lastPath = u"D:\\A\\";
    EXPECT_TRUE(SaveLastPath(store, lastPath, u"d:\\a\\"));
    EXPECT_EQ(store.ReadString(kProgramKey, u"lastpath"), u"d:\\a\\");
}

TEST(SaveLastPathTest, UnwritableKeyStillUpdatesMemory) {
    MemoryRegistryStore store;
    store.DenyCreate(kProgramKey);
    std::u16string lastPath = u"D:\\A\\";
    EXPECT_FALSE(SaveLastPath(store, lastPath, u"D:\\B\\"));
    EXPECT_EQ(lastPath, u"D:\\B\\");
    EXPECT_FALSE(store.KeyExists(kProgramKey));

    MemoryRegistryStore readOnly;
    readOnly.AddKey(kProgramKey);
    readOnly.Deny(kProgramKey, false, true);
    EXPECT_FALSE(SaveLastPath(readOnly, lastPath, u"D:\\C\\"));
    EXPECT_EQ(lastPath, u"D:\\C\\");
}

}  // namespace
}  // namespace lg
