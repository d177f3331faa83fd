// The rules of the "save to disk" dialog that do not need a window: which
// file type it preselects, which name a confirmed choice becomes, what a
// change of the selection does to the typed name, and where it opens.
#pragma once

#include <string>
#include <string_view>

#include "output/file_names.h"
#include "output/picture_format.h"

namespace lg {

// The dialog's file types, numbered 1 to 3 as its filter index: PNG, JPEG,
// BMP. Pairs of display text and pattern, each NUL-terminated; the
// literal's own terminator closes the list with the second NUL the dialog
// looks for.
inline constexpr char16_t kSaveDialogFilter[] = u"png\0*.png\0jpg\0*.jpg\0bmp\0*.bmp\0";

// The filter index that preselects the type of the `format` setting: 1 for
// PNG, 2 for JPEG, 3 for BMP (an unknown format is PNG, as everywhere).
int FilterIndexOfFormat(int format);

// The type chosen in the dialog; an index outside 1..3 is PNG.
PictureFormat FormatOfFilterIndex(int filterIndex);

// The file a confirmed dialog writes: the chosen full name without a typed
// ".png", ".jpg" or ".bmp" (lower case, the last dot of the last path
// component), followed by the extension of the type selected in the dialog.
// The typed extension never picks the type: "shot.jpg" saved as PNG is
// "shot.png", "shot.PNG" is "shot.PNG.png", "notes.old" as JPEG is
// "notes.old.jpg".
std::u16string FinalSaveName(std::u16string_view chosen, int filterIndex);

// The dialog's file name after its selection changes (a file clicked in
// the list, another type picked): a picture extension (".png", ".jpg",
// ".bmp" in any letter case) removed, so the type chosen in the list is the
// one that ends up on the file. Any other ending stays: the proposed dated
// name is all dots ("Скриншот 08.12.26_23.05.59"), and cutting at its last
// dot would lose a piece of the time with every change.
std::u16string NameWithoutExtension(std::u16string_view name);

// The folder of a full file name, with its trailing delimiter; empty when
// the name has no folder.
std::u16string FolderPart(std::u16string_view fullName);

// Where the dialog opens: the folder of the last dialog save while it still
// exists (`folderExists`), otherwise the folder of the automatic copies.
std::u16string InitialDialogFolder(std::u16string_view lastPath, std::u16string_view path,
                                   const PathPredicate& folderExists);

}  // namespace lg
