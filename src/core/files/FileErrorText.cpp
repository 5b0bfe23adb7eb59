#include "core/files/FileErrorText.h"

namespace targello {
namespace {

struct KnownReason {
    std::errc Condition;
    const char* Reason;
};

// Windows errors compare equal to these conditions too, through the
// system category's mapping.
constexpr KnownReason KnownReasons[] = {
    {std::errc::no_space_on_device, "brak miejsca na dysku"},
    {std::errc::file_too_large, "plik jest za duży dla tego dysku"},
    {std::errc::permission_denied, "brak uprawnień"},
    {std::errc::operation_not_permitted, "brak uprawnień"},
    {std::errc::read_only_file_system, "plik tylko do odczytu"},
    {std::errc::is_a_directory, FolderReason},
    {std::errc::not_a_directory, "w ścieżce zamiast folderu jest plik"},
    {std::errc::no_such_file_or_directory, "plik nie istnieje"},
    {std::errc::file_exists, "plik już istnieje"},
    {std::errc::directory_not_empty, "folder nie jest pusty"},
    {std::errc::filename_too_long, "nazwa jest za długa"},
    {std::errc::too_many_symbolic_link_levels, "za dużo dowiązań symbolicznych w ścieżce"},
    {std::errc::too_many_files_open, "za dużo otwartych plików"},
    {std::errc::too_many_files_open_in_system, "za dużo otwartych plików"},
    {std::errc::device_or_resource_busy, "plik jest używany przez inny program"},
    {std::errc::text_file_busy, "plik jest używany przez inny program"},
    {std::errc::io_error, "błąd odczytu lub zapisu dysku"},
    {std::errc::no_such_device, "urządzenie nie jest dostępne"},
    {std::errc::no_such_device_or_address, NotARegularFileReason},
    {std::errc::cross_device_link, "plik i folder leżą na różnych dyskach"},
    {std::errc::invalid_argument, "nazwa, której ten dysk nie przyjmuje"},
    {std::errc::illegal_byte_sequence, "nazwa, której ten dysk nie przyjmuje"},
    {std::errc::not_enough_memory, "za mało pamięci"},
    {std::errc::operation_canceled, "przerwano"},
};

} // namespace

std::string FileErrorReason(std::error_code error) {
    for (const KnownReason& known : KnownReasons)
        if (error == known.Condition)
            return known.Reason;
    if (!error)
        return "nieznana przyczyna";
    // Never the system's own (English) text: the number lets support look it up.
    return "błąd systemu nr " + std::to_string(error.value());
}

std::string PictureFolderFailureText(const std::string& folder, const std::string& page,
                                     std::error_code error) {
    if (DiskFull(error))
        return "Nie można zapisać strony „" + page + "”: " + FileErrorReason(error) + ".";
    return "Nie można zapisać obrazków w folderze „" + folder + "”: " + FileErrorReason(error) +
           ". Strony „" + page + "” nie zapisano; poprzednia pozostała bez zmian.";
}

bool DiskFull(std::error_code error) {
    return error == std::errc::no_space_on_device || error == std::errc::file_too_large;
}

bool PictureTooLarge(long long width, long long height) {
    return width > 0 && height > 0 && width > MaxPicturePixels / height;
}

std::string PictureTooLargeReason(long long width, long long height) {
    return "obrazek za duży: " + std::to_string(width) + " × " + std::to_string(height) + " pikseli";
}

} // namespace targello
