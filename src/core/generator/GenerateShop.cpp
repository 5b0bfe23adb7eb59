#include "core/generator/GenerateShop.h"

#include "core/files/ExportManifest.h"
#include "core/files/ExportTransaction.h"
#include "core/files/FileErrorText.h"
#include "core/files/FileKind.h"
#include "core/generator/PageCharset.h"
#include "core/generator/PictureCopier.h"
#include "core/generator/ShopPageText.h"
#include "core/generator/ShopPictures.h"
#include "core/project/Utf8Path.h"
#include "core/settings/MenuLinkWarnings.h"
#include "core/workspace/ShopItem.h"

#include <set>

namespace targello {
namespace {

namespace fs = std::filesystem;

std::string Quoted(std::string_view path) {
    return "„" + std::string(path) + "”";
}

GenerateResult Failure(std::string text) {
    GenerateResult result;
    result.Succeeded = false;
    result.ErrorText = std::move(text);
    return result;
}

std::string PageFailure(std::string_view outputPath, const std::string& reason) {
    return "Nie można zapisać strony " + Quoted(outputPath) + ": " + reason + ".";
}

// Why the page cannot be written at `output`, found before anything is written.
std::string OutputProblem(const fs::path& output, std::string_view baseName) {
    if (baseName.empty())
        return "obrazki sklepu potrzebują własnego folderu, nazwanego jak strona bez rozszerzenia; "
               "nadaj stronie nazwę, np. sklep.html";
    if (const std::string problem = WritableFileProblem(output); !problem.empty())
        return problem;
    const fs::path folder = output.parent_path().empty() ? fs::path(".") : output.parent_path();
    if (StatusOfFile(folder).Kind != FileKind::Folder)
        return "folder, w którym ma powstać strona, nie istnieje";
    return {};
}

// One export run: the plan, the transaction and what became of each picture.
class ShopExport {
public:
    ShopExport(std::string_view outputPath, const fs::path& pictureFolder, const std::atomic<bool>* cancel)
        : outputPath_(outputPath), pictureFolder_(pictureFolder), cancel_(cancel),
          manifest_(ExportManifest::Read(pictureFolder)) {}

    // A name in the picture folder held by a file this export did not write.
    bool Taken(const std::string& name, const std::string& source) const {
        if (name == ExportManifest::FileName)
            return true;
        const fs::path file = pictureFolder_ / PathFromUtf8(name);
        const FileKind kind = StatusOfFile(file).Kind;
        if (kind == FileKind::Missing)
            return false;
        // A folder or a FIFO of that name is the user's, whatever the manifest says.
        return kind != FileKind::Regular ||
               (!manifest_.Lists(name) && !SameSizeAndTime(source, Utf8FromPath(file)));
    }

    bool StagePage(const std::string& bytes, GenerateResult& result) {
        if (const std::error_code error =
                transaction_.StageBytes(PathFromUtf8(std::string(outputPath_)), bytes)) {
            result = Failure(PageFailure(outputPath_, FileErrorReason(error)));
            return false;
        }
        return true;
    }

    // Why no picture can go into the folder; empty when they can.
    std::string PreparePictureFolder() {
        const FileStatus status = StatusOfFile(pictureFolder_);
        if (status.Kind == FileKind::Folder)
            return {};
        const std::string folder = Quoted(Utf8FromPath(pictureFolder_));
        if (status.Kind == FileKind::Missing) {
            if (const std::error_code error = transaction_.MakeFolder(pictureFolder_))
                return "nie można utworzyć folderu obrazków " + folder + ": " + FileErrorReason(error);
            return {};
        }
        if (status.Kind == FileKind::Unknown)
            return "folder obrazków " + folder + " jest niedostępny: " + FileErrorReason(status.Error);
        return "w miejscu folderu obrazków " + folder + " jest plik";
    }

    // Stages every copy; false when the run must stop (`result` says why).
    bool StagePictures(const ShopPictures& pictures, const GenerateProgress& progress,
                       GenerateResult& result) {
        const std::string folderProblem = PreparePictureFolder();
        folderUsable_ = folderProblem.empty();
        if (folderUsable_)
            ClearUnfinished(pictures);
        const int total = static_cast<int>(pictures.Copies.size());
        int done = 0;
        for (const PictureCopy& copy : pictures.Copies) {
            if (cancel_ != nullptr && cancel_->load())
                return Cancel(result);
            const PictureCopyResult copied = folderProblem.empty()
                                                 ? StagePictureCopy(copy, transaction_, cancel_)
                                                 : PictureCopyResult{CopyOutcome::Unreadable, folderProblem};
            switch (copied.Outcome) {
            case CopyOutcome::Copied:
                ++result.PicturesCopied;
                manifest_.Add(Utf8FromPath(PathFromUtf8(copy.Target).filename()));
                break;
            case CopyOutcome::Unchanged:
                ++result.PicturesUnchanged;
                break;
            case CopyOutcome::Unreadable:
                // An item whose picture was never chosen shows the prompt: nothing is missing.
                if (copy.Source != PicturePrompt)
                    result.MissingPictures.push_back({copy.Source, copied.Reason});
                break;
            case CopyOutcome::NotWritten:
                result =
                    Failure("Nie można zapisać obrazka " + Quoted(copy.Target) + ": " + copied.Reason + ".");
                return false;
            case CopyOutcome::Cancelled:
                return Cancel(result);
            }
            if (progress)
                progress(++done, total);
        }
        result.PicturesFailed = static_cast<int>(result.MissingPictures.size());
        return true;
    }

    bool Commit(GenerateResult& result) {
        // The manifest also marks the folder as an export's own.
        if (folderUsable_) {
            const std::error_code error =
                transaction_.StageBytes(pictureFolder_ / ExportManifest::FileName, manifest_.Bytes());
            if (error)
                return Fail(
                    PictureFolderFailureText(Utf8FromPath(pictureFolder_), std::string(outputPath_), error),
                    result);
        }
        if (cancel_ != nullptr && cancel_->load())
            return Cancel(result);
        if (const std::error_code error = transaction_.Commit())
            return Fail(PageFailure(outputPath_, FileErrorReason(error)), result);
        return true;
    }

private:
    // What a run cut off by a crash left beside the copies it was putting in place.
    void ClearUnfinished(const ShopPictures& pictures) const {
        std::set<std::string> names{ExportManifest::FileName};
        for (const PictureCopy& copy : pictures.Copies)
            names.insert(Utf8FromPath(PathFromUtf8(copy.Target).filename()));
        RemoveUnfinishedFiles(pictureFolder_, [&](const std::string& name) {
            return names.count(name) != 0 || manifest_.Lists(name);
        });
    }

    bool Fail(std::string text, GenerateResult& result) {
        result = Failure(std::move(text));
        return false;
    }

    bool Cancel(GenerateResult& result) {
        result = Failure("Przerwano zapisywanie sklepu " + Quoted(outputPath_) +
                         "; poprzednio zapisany sklep pozostał bez zmian.");
        result.Cancelled = true;
        return false;
    }

    std::string_view outputPath_;
    fs::path pictureFolder_;
    const std::atomic<bool>* cancel_;
    ExportManifest manifest_;
    ExportTransaction transaction_;
    bool folderUsable_ = false;
};

GenerateResult Generate(const ShopPage& page, const ShopSettings& edited, std::string_view baseName,
                        std::string_view outputPath, PathStyle style, const GenerateProgress& progress,
                        const std::atomic<bool>* cancel) {
    const PathRules rules(style);
    const PageFolder folder{rules.OutputFolder(outputPath), style};
    const fs::path output = PathFromUtf8(std::string(outputPath));
    if (const std::string problem = OutputProblem(output, baseName); !problem.empty())
        return Failure(PageFailure(outputPath, problem));

    RemoveUnfinishedFilesOf(output);
    ShopExport run(outputPath, PathFromUtf8(rules.Join(folder.Folder, baseName)), cancel);
    const ShopPictures pictures = PlanShopPictures(
        page, baseName, folder.Folder, style,
        [&run](const std::string& name, const std::string& source) { return run.Taken(name, source); });
    GenerateResult result;
    // The page first: its space is taken before the pictures use it up.
    if (run.StagePage(ConvertToPageCharset(ShopPageText(page, edited, pictures, folder)), result) &&
        run.StagePictures(pictures, progress, result))
        run.Commit(result);
    if (result.Succeeded && ShowsMenu(edited))
        result.LinkWarnings = MenuLinkWarnings(edited);
    return result;
}

} // namespace

std::string MissingPictureText(const MissingPicture& picture) {
    return "Obrazek " + Quoted(picture.Source) + " nie został skopiowany: " + picture.Reason + ".";
}

GenerateResult GenerateShop(const ShopPage& page, const ShopSettings& edited, std::string_view baseName,
                            std::string_view outputPath, PathStyle style, const GenerateProgress& progress,
                            const std::atomic<bool>* cancel) {
    try {
        return Generate(page, edited, baseName, outputPath, style, progress, cancel);
    } catch (const std::exception&) { // a name the file system cannot take
        return Failure(PageFailure(outputPath, "nazwa, której ten dysk nie przyjmuje"));
    }
}

std::string ExportBaseName(std::string_view chosenPath, PathStyle style) {
    return PathRules(style).ExportBaseName(chosenPath);
}

} // namespace targello
