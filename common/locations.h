#pragma once
// Where the programs find their persisted state: registry values written by the installation or
// by the programs, and the files kept in the shared documents folder.

#include <string>
#include <string_view>

namespace common {

// HKEY_CURRENT_USER: 1 = read the keyboard at its next arrival, 0 = the backup matches it.
constexpr std::u16string_view ApFlagKey = u"Software\\DU1";
constexpr std::u16string_view ApFlagValue = u"APflag";

// HKEY_LOCAL_MACHINE: the installation folder, ending with a backslash.
constexpr std::u16string_view InstallKey = u"SOFTWARE\\Kestrel Game Key";
constexpr std::u16string_view InstallFolderValue = u"AppPath";

// HKEY_LOCAL_MACHINE: the shared documents folder, and the application's data below it.
constexpr std::u16string_view ShellFoldersKey =
    u"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr std::u16string_view SharedDocumentsValue = u"Common Documents";
constexpr std::u16string_view DataSubfolder = u"\\Kestrel";
// Bytes read for the shared documents folder's value.
constexpr unsigned SharedDocumentsValueBytes = 1024;

// HKEY_LOCAL_MACHINE: the version the installation recorded.
constexpr std::u16string_view UninstallKey =
    u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
    u"{3E7C0D52-8B41-4F6A-A5D9-1C2E7B90F463}";
constexpr std::u16string_view DisplayVersionValue = u"DisplayVersion";

// Files in the data folder.
constexpr std::u16string_view LaunchPathFileName = u"\\LaunchPath.ini";
constexpr std::u16string_view BackupFileName = u"\\KFile.KS1";

// Files of the installation.
constexpr std::u16string_view LanguageFileName = u".\\UILANG.lng";
constexpr std::u16string_view HelpPageName = u"help\\UserInterfaceSetupGuide.html";
constexpr std::u16string_view SkinFolder = u"skin\\";

// The launch path file keeps profile p in section "Profile" + p and key k under the key "k".
std::u16string launchPathSection(int profile);
std::u16string launchPathKeyName(int key);

// The data folder below the shared documents folder, and the files in it.
std::u16string dataFolder(std::u16string_view sharedDocuments);
std::u16string launchPathFile(std::u16string_view sharedDocuments);
std::u16string backupFile(std::u16string_view sharedDocuments);

}  // namespace common
