#include "core/publish/TrustStore.h"

#include "core/publish/Fingerprint.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace targello {

namespace fs = std::filesystem;

TrustStore::TrustStore(fs::path file) : file_(std::move(file)) {
    std::ifstream in(file_, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string endpoint, hex;
        if (fields >> endpoint >> hex)
            if (const std::optional<Sha256::Digest> digest = ParseFingerprint(hex))
                known_[endpoint] = *digest;
    }
}

fs::path TrustStore::DefaultFile() {
    // The folder Qt calls the application's data location, so that the
    // program and targello-export share what the user accepted.
#ifdef _WIN32
    const char* base = std::getenv("APPDATA");
    const fs::path folder = base ? fs::path(base) : fs::path(".");
#else
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    const fs::path folder = data && *data ? fs::path(data) : fs::path(home ? home : ".") / ".local" / "share";
#endif
    return folder / "Targello" / "zaufane-serwery.txt";
}

std::optional<Sha256::Digest> TrustStore::Known(const std::string& endpoint) const {
    const auto found = known_.find(endpoint);
    if (found == known_.end())
        return std::nullopt;
    return found->second;
}

bool TrustStore::Remember(const std::string& endpoint, const Sha256::Digest& digest) {
    known_[endpoint] = digest;
    std::error_code error;
    fs::create_directories(file_.parent_path(), error);
    fs::path temporary = file_;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        for (const auto& [known, value] : known_)
            out << known << ' ' << Sha256::Hex(value) << '\n';
        if (!out.flush())
            return false;
    }
    fs::rename(temporary, file_, error);
    return !error;
}

} // namespace targello
