#include "cli/ExportCommand.h"

#include "cli/PublishCommand.h"
#include "core/files/ExportManifest.h"
#include "core/files/FileErrorText.h"
#include "core/files/FileKind.h"
#include "core/generator/GenerateShop.h"
#include "core/modern/GenerateModernShop.h"
#include "core/project/ProjectReader.h"
#include "core/project/ProjectToPage.h"
#include "core/project/Utf8Path.h"
#include "core/settings/EditedSettings.h"
#include "core/settings/LegalTemplates.h"
#include "core/settings/OrderAddress.h"
#include "core/workspace/ShopWorkspace.h"

#include <filesystem>
#include <new>
#include <optional>
#include <system_error>

namespace targello {
namespace {

namespace fs = std::filesystem;

constexpr const char* Usage =
    "Użycie: targello-export PROJEKT.esk WYNIK.html\n"
    "       targello-export --styl klasyczny|nowoczesny PROJEKT.esk WYNIK.html\n"
    "       targello-export --opublikuj [--odcisk SHA256:...] [--utworz-folder]\n"
    "                       PROJEKT.esk WYNIK.html\n";

constexpr const char* Help =
    "\n"
    "Tworzy sklep z pliku projektu tak, jak zrobiłby to program po otwarciu projektu\n"
    "i poleceniu „Wygeneruj sklep HTML”: zapisuje stronę WYNIK.html i kopiuje obrazki\n"
    "produktów, teksturę i baner do folderu obok niej, nazwanego jak strona bez\n"
    "rozszerzenia (dla sklep.html: sklep). Do nazwy bez rozszerzenia dodaje „.html”.\n"
    "Poprzednio zapisany sklep zostaje nietknięty, dopóki nowy nie jest gotowy w całości.\n"
    "\n"
    "Ścieżki względne, również zapisane w projekcie (obrazki, tekstura, baner),\n"
    "liczą się od bieżącego folderu.\n"
    "\n"
    "Kod wyjścia: 0 – sklep zapisany; 1 – projektu nie da się otworzyć albo sklepu\n"
    "zapisać; 2 – błędne wywołanie; 3 – sklep zapisany, ale części obrazków nie dało\n"
    "się skopiować (każdy z nich wraz z przyczyną w osobnym wierszu); 4 – publikacja\n"
    "(--opublikuj) nie powiodła się, a na serwerze został poprzedni sklep.\n"
    "\n"
    "Strona nowoczesna (telefony i komputery) powstaje, gdy wybrano ją w projekcie;\n"
    "jej obrazki to pomniejszone kopie, a obrazki, których nie da się odczytać,\n"
    "są wymienione jak przy stronie klasycznej (sklep powstaje bez nich, kod 3).\n"
    "Bez biblioteki libvips obrazki są kopiowane bez zmian, o czym mówi ostrzeżenie\n"
    "(kod 0: sklep jest zapisany w całości).\n"
    "\n"
    "  --styl klasyczny|nowoczesny   strona klasyczna albo nowoczesna, bez względu\n"
    "                                na wybór zapisany w projekcie\n"
    "  --opublikuj                   po zapisaniu wysyła sklep na serwer pod adres\n"
    "                                publikacji z projektu (ftps://, ftpsi://, sftp://,\n"
    "                                ftp://); wysyła tylko zmienione pliki, stronę na\n"
    "                                końcu. Hasło: zmienna TARGELLO_HASLO, a gdy jej nie\n"
    "                                ma, pierwszy wiersz wejścia; nigdy argument.\n"
    "                                Kod 4: publikacja się nie powiodła, a na serwerze\n"
    "                                jest sklep, który był tam wcześniej.\n"
    "  --odcisk ODCISK               przyjmuje certyfikat albo klucz serwera o tym\n"
    "                                odcisku SHA-256 (szesnastkowo, z dwukropkami lub\n"
    "                                bez, albo SHA256:… jak w OpenSSH); bez tej opcji\n"
    "                                nieznany certyfikat lub klucz zatrzymuje publikację\n"
    "                                i jego odcisk trafia na standardowe wyjście błędów\n"
    "  --utworz-folder               tworzy folder publikacji na serwerze, jeśli go nie\n"
    "                                ma; bez tej opcji brak folderu zatrzymuje publikację\n"
    "  -h, --help                    pokazuje ten opis\n";

constexpr const char* Prefix = "targello-export: ";

struct Arguments {
    bool Help = false;
    std::string Project;
    std::string Output;
    std::optional<bool> Modern; // from --styl; unset: the project's choice
    bool Publish = false;
    std::string Fingerprint; // from --odcisk
    bool MakeFolder = false; // from --utworz-folder
};

// The page kind named after --styl, or nothing after telling `err`.
std::optional<bool> parseStyle(const std::string& value, std::ostream& err) {
    if (value == "klasyczny")
        return false;
    if (value == "nowoczesny")
        return true;
    err << Prefix << "nieznany styl „" << value << "”; podaj „klasyczny” albo „nowoczesny”.\n" << Usage;
    return std::nullopt;
}

// What makes the given names unusable before any file is looked at: an
// empty name, or a page name that names no file ("wynik/", ".", "..").
std::string pathProblem(const std::string& project, const std::string& output) {
    if (project.empty())
        return "nazwa pliku projektu jest pusta.";
    if (output.empty())
        return "nazwa pliku strony jest pusta; podaj ją, na przykład „sklep.html”.";
    const fs::path name = PathFromUtf8(output).filename();
    if (name.empty() || name == "." || name == "..")
        return "„" + output + "” nie jest nazwą pliku strony; podaj ją, na przykład „sklep.html”.";
    return {};
}

// The arguments, or nothing after telling `err` what is wrong with them.
std::optional<Arguments> parseArguments(const std::vector<std::string>& args, std::ostream& err) {
    Arguments parsed;
    std::vector<std::string> paths;
    bool optionsEnded = false;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (!optionsEnded && (arg == "--styl" || arg.starts_with("--styl="))) {
            if (arg == "--styl" && k + 1 == args.size()) {
                err << Prefix << "po „--styl” podaj „klasyczny” albo „nowoczesny”.\n" << Usage;
                return std::nullopt;
            }
            parsed.Modern = parseStyle(arg == "--styl" ? args[++k] : arg.substr(7), err);
            if (!parsed.Modern)
                return std::nullopt;
        } else if (!optionsEnded && arg == "--opublikuj") {
            parsed.Publish = true;
        } else if (!optionsEnded && arg == "--odcisk") {
            if (k + 1 == args.size() || !IsFingerprintText(args[k + 1])) {
                err << Prefix << "po „--odcisk” podaj odcisk SHA-256 certyfikatu albo klucza serwera.\n"
                    << Usage;
                return std::nullopt;
            }
            parsed.Fingerprint = args[++k];
        } else if (!optionsEnded && arg == "--utworz-folder") {
            parsed.MakeFolder = true;
        } else if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (arg == "-h" || arg == "--help")) {
            parsed.Help = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            err << Prefix << "nieznana opcja „" << arg << "”.\n" << Usage;
            return std::nullopt;
        } else {
            paths.push_back(arg);
        }
    }
    if (parsed.Help)
        return parsed;
    if (paths.size() != 2) {
        err << Prefix << "podaj plik projektu i plik strony do zapisania.\n" << Usage;
        return std::nullopt;
    }
    parsed.Project = paths[0];
    parsed.Output = paths[1];
    if (const std::string problem = pathProblem(parsed.Project, parsed.Output); !problem.empty()) {
        err << Prefix << problem << "\n" << Usage;
        return std::nullopt;
    }
    return parsed;
}

void reportPriceResets(const ProjectApplyReport& report, const ShopPage& page, std::ostream& err) {
    for (const PriceReset& reset : report.PriceResets)
        err << Prefix << "uwaga: Nieprawidłowy wpis kwoty w produkcie " << reset.Item + 1 << " („"
            << page.Item(reset.Item).Name << "”): „" << reset.Rejected << "” zastąpiono przez „"
            << page.Item(reset.Item).Price << "”.\n";
}

bool isSameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    return fs::equivalent(a, b, error);
}

// The page's file: ".html" is added to a name without an extension, as the
// save dialog does, so that the pictures get a folder of their own. That name
// may already be the picture folder of an earlier export to it; anything else
// standing there is left to the checks.
fs::path outputFile(const std::string& given) {
    fs::path output = fs::absolute(PathFromUtf8(given));
    const FileKind kind = StatusOfFile(output).Kind;
    if (!output.has_extension() &&
        (kind == FileKind::Missing ||
         (kind == FileKind::Folder &&
          StatusOfFile(output / ExportManifest::FileName).Kind == FileKind::Regular)))
        output += ".html";
    return output;
}

// Why the page cannot go to `output` (an absolute path), found before anything
// is written, so that no picture is copied for a page that cannot be saved.
std::string outputProblem(const fs::path& output, const std::string& shownAs, const std::string& project) {
    std::error_code error;
    if (fs::is_directory(output, error))
        return "„" + shownAs + "” jest folderem; podaj nazwę pliku strony.";
    if (!fs::is_directory(output.parent_path(), error))
        return "folder, w którym ma powstać strona „" + shownAs + "”, nie istnieje.";
    if (isSameFile(output, PathFromUtf8(project)))
        return "strona nie może zastąpić pliku projektu „" + project + "”.";
    return {};
}

// A file that the name with ".html" added would replace, though no export
// wrote it: the user asked for another name and keeps that file.
std::string addedNameProblem(const fs::path& output, const std::string& shownAs) {
    fs::path pictures = output;
    pictures.replace_extension();
    if (StatusOfFile(output).Kind == FileKind::Missing ||
        StatusOfFile(pictures / ExportManifest::FileName).Kind == FileKind::Regular)
        return {};
    return "strona „" + shownAs + "” dostałaby nazwę „" + Utf8FromPath(output.filename()) +
           "”, a taki plik już istnieje; aby go zastąpić, podaj jego pełną nazwę.";
}

int exportModern(const ShopPage& page, const ShopSettings& edited, const std::string& outputPath,
                 std::ostream& err) {
    const ModernShopResult result =
        GenerateModernShop(page, edited, ExportBaseName(outputPath), outputPath, NativePathStyle());
    if (!result.Succeeded) {
        err << Prefix << result.ErrorText << "\n";
        return ExportFailed;
    }
    // The shop is whole, with every picture copied: a warning, not an error.
    if (!result.PicturesNotice.empty())
        err << Prefix << "uwaga: " << result.PicturesNotice << "\n";
    for (const std::string& line : result.LinkWarnings)
        err << Prefix << "uwaga: " << line << "\n";
    for (const std::string& line : result.PictureWarnings)
        err << Prefix << "uwaga: " << line << "\n";
    if (const std::string gaps = SellingGapsWarning(edited.Selling); !gaps.empty())
        err << Prefix << "uwaga: " << gaps << "\n";
    // The page is written without them; listed and told by the exit code as the classic export does.
    for (const PictureProblem& problem : result.UnreadablePictures)
        err << Prefix << MissingPictureText({problem.Path, problem.Reason}) << "\n";
    return result.UnreadablePictures.empty() ? ExportSucceeded : ExportIncomplete;
}

int exportPage(const ShopPage& page, const ShopSettings& edited, const std::string& outputPath,
               std::optional<bool> modern, std::ostream& err) {
    if (modern.value_or(page.Settings.ModernPage))
        return exportModern(page, edited, outputPath, err);
    const GenerateResult result =
        GenerateShop(page, edited, ExportBaseName(outputPath), outputPath, NativePathStyle());
    if (!result.Succeeded) {
        err << Prefix << result.ErrorText << "\n";
        return ExportFailed;
    }
    for (const std::string& line : result.LinkWarnings)
        err << Prefix << "uwaga: " << line << "\n";
    for (const MissingPicture& missing : result.MissingPictures)
        err << Prefix << MissingPictureText(missing) << "\n";
    return result.MissingPictures.empty() ? ExportSucceeded : ExportIncomplete;
}

int runExport(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, std::istream& in) {
    const std::optional<Arguments> arguments = parseArguments(args, err);
    if (!arguments)
        return ExportMisused;
    if (arguments->Help) {
        out << Usage << Help;
        return ExportSucceeded;
    }

    const ProjectOutcome<ProjectRecord> record = ReadProjectFile(arguments->Project);
    if (!record) {
        err << Prefix << record.Error << "\n";
        return ExportFailed;
    }
    const fs::path output = outputFile(arguments->Output);
    std::string problem = outputProblem(output, arguments->Output, arguments->Project);
    if (problem.empty() && output != fs::absolute(PathFromUtf8(arguments->Output)))
        problem = addedNameProblem(output, arguments->Output);
    if (!problem.empty()) {
        err << Prefix << problem << "\n";
        return ExportFailed;
    }

    // The same steps as opening the project in a freshly started program.
    ShopWorkspace workspace(Utf8FromPath(fs::current_path()));
    EditedSettings edited = EditedSettings::initial();
    ShopPage& page = *workspace.NewPage(edited.Values);
    reportPriceResets(ApplyProjectToPage(*record.Value, page), page, err);
    LoadPageIntoOptions(page.Settings, edited);
    // A project from an older program may carry any text here; the shop is
    // still written, but its orders would go nowhere.
    if (const std::string note = OrderAddressMessage(page.Settings.OrderEmail); !note.empty())
        err << Prefix << "uwaga: " << note << "\n";

    const int exported = exportPage(page, edited.Values, Utf8FromPath(output), arguments->Modern, err);
    if (!arguments->Publish || (exported != ExportSucceeded && exported != ExportIncomplete))
        return exported;
    const int published =
        PublishExport(page.Settings, output, {arguments->Fingerprint, arguments->MakeFolder}, in, out, err);
    return published == ExportSucceeded ? exported : published;
}

} // namespace

// The program's edge: whatever the core throws (a folder that vanished under
// the current path, memory, threads the system refuses) ends in a Polish line
// and exit 1, never in an abort. The system's own (English) text is not shown.
int RunExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     std::istream& in) {
    std::string reason;
    try {
        return runExport(args, out, err, in);
    } catch (const std::system_error& error) {
        reason = FileErrorReason(error.code());
    } catch (const std::bad_alloc&) {
        reason = FileErrorReason(std::make_error_code(std::errc::not_enough_memory));
    } catch (...) {
        reason = "nieoczekiwany błąd programu";
    }
    err << Prefix << "nie udało się wygenerować sklepu: " << reason << ".\n";
    return ExportFailed;
}

} // namespace targello
