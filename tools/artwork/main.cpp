// Writes the eight texture pictures into the folder given as the argument.
#include "TextureArt.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: targello-artwork <folder for the textures>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const struct {
        const char* name; // UTF-8
        QImage (*paint)();
    } textures[] = {
        {"pajęczyna.jpg", artwork::SpiderWeb}, {"koniczynka.jpg", artwork::Clover},
        {"witraż.jpg", artwork::StainedGlass}, {"siatka1.jpg", artwork::Mesh},
        {"gwiazdki.jpg", artwork::Stars},      {"kryształki3.jpg", artwork::Crystals},
        {"nutki.jpg", artwork::Notes},         {"tryby.jpg", artwork::Gears},
    };
    for (const auto& texture : textures) {
        const QString path = folder.filePath(QString::fromUtf8(texture.name));
        QImageWriter writer(path, "jpeg");
        writer.setQuality(90);
        writer.setOptimizedWrite(true);
        if (!writer.write(texture.paint())) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(writer.errorString()));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
