#include "core/modern/SitemapFiles.h"

#include "core/modern/ModernText.h"

#include <fstream>

namespace targello {

std::string SitemapXml(const ShopWebAddress& web) {
    return std::string(SitemapMark) +
           "\n<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n<url><loc>" +
           EscapeHtml(web.Page) + "</loc></url>\n</urlset>\n";
}

std::string RobotsTxt(const ShopWebAddress& web) {
    return std::string(RobotsMark) + "\nUser-agent: *\nAllow: /\n\nSitemap: " + web.Resolve(SitemapFileName) +
           "\n";
}

bool MayWriteOwnFile(const std::filesystem::path& file, std::string_view mark) {
    std::error_code error;
    const auto status = std::filesystem::symlink_status(file, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return true;
    if (status.type() != std::filesystem::file_type::regular)
        return false;
    std::ifstream in(file, std::ios::binary);
    std::string start(mark.size(), '\0');
    in.read(start.data(), static_cast<std::streamsize>(start.size()));
    return in && start == mark;
}

} // namespace targello
