#pragma once

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTemporaryDir>

namespace tundle::test {

// A pack folder a test builds: a manifest and sheets whose frames tell themselves apart. Frame
// i of a sheet is filled with red level i + 1; frame 0 is transparent in its top half.
class PetPackFixture {
public:
    QString folder() const { return dir_.path(); }
    QString path(const QString& name) const { return dir_.filePath(name); }

    void writeSheet(const QString& name, int columns, int rows, int side) const {
        QImage sheet(columns * side, rows * side, QImage::Format_ARGB32);
        sheet.fill(Qt::transparent);
        QPainter painter(&sheet);
        for (int i = 0; i < columns * rows; ++i) {
            const int top = (i / columns) * side + (i == 0 ? side / 2 : 0);
            painter.fillRect((i % columns) * side, top, side, (i / columns + 1) * side - top,
                             QColor(i + 1, 0, 0));
        }
        painter.end();
        sheet.save(path(name), "PNG");
    }

    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }

    void writeManifest(const QJsonObject& manifest) const {
        writeFile(QStringLiteral("manifest.json"), QJsonDocument(manifest).toJson());
    }

    static QJsonObject clip(const QString& file, int columns, int frameCount, double fps = 10,
                            bool loop = true) {
        return {{"file", file},
                {"columns", columns},
                {"frameCount", frameCount},
                {"fps", fps},
                {"loop", loop}};
    }

    static QJsonObject manifest(int side, const QJsonObject& clips) {
        return {{"frameWidth", side}, {"frameHeight", side}, {"clips", clips}};
    }

    // The red level that names the frame.
    static int frameNumber(const QImage& frame) {
        return qRed(frame.pixel(frame.width() - 1, frame.height() - 1)) - 1;
    }

private:
    QTemporaryDir dir_;
};

}  // namespace tundle::test
