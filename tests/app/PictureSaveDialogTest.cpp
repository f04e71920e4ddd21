// The picture save dialog of the image export: the preview of the file
// pointed at, what it refuses to read, each mode's dialog and the folder it
// opens in.

#include "TempDir.h"
#include "app/ImageExport.h"
#include "app/picture/PicturePane.h"
#include "app/picture/PicturePreview.h"
#include "app/picture/PictureSaveDialog.h"

#include <QApplication>
#include <QImage>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace {

QString Path(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

void WritePicture(const std::filesystem::path& path, QSize size, const char* format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(Path(path), format)) << path;
}

void WriteText(const std::filesystem::path& path, const std::string& text) { std::ofstream(path) << text; }

// Sets an environment variable for as long as the object lives.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, QByteArray::fromStdString(value));
    }
    ~ScopedEnv()
    {
        if (had_) qputenv(name_, old_);
        else qunsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};

TEST(PicturePreview, PicturesAreScaledDownToFitWithTheirAspectAndNeverEnlarged)
{
    TempDir dir;
    WritePicture(dir.path() / "wide.png", {400, 200}, "PNG");
    WritePicture(dir.path() / "tall.jpg", {30, 300}, "JPEG");
    WritePicture(dir.path() / "small.bmp", {40, 30}, "BMP");
    WritePicture(dir.path() / "png-named.txt", {64, 48}, "PNG");
    struct Case {
        const char* file;
        QSize pixels;
        QSize shown;
    };
    for (const Case& c : {Case{"wide.png", {400, 200}, {100, 50}}, Case{"tall.jpg", {30, 300}, {10, 100}},
                          Case{"small.bmp", {40, 30}, {40, 30}}, Case{"png-named.txt", {64, 48}, {64, 48}}}) {
        const auto preview = PreviewPicture(Path(dir.path() / c.file), {100, 100});
        ASSERT_TRUE(preview.has_value()) << c.file;
        EXPECT_EQ(preview->pixels, c.pixels) << c.file;
        EXPECT_EQ(preview->image.size(), c.shown) << c.file;
        EXPECT_GT(qRed(preview->image.pixel(c.shown.width() / 2, c.shown.height() / 2)), 200) << c.file;
    }
    EXPECT_EQ(PreviewSize({1000, 1}, {100, 100}), QSize(100, 1));
    EXPECT_EQ(PreviewSize({1, 1000}, {100, 100}), QSize(1, 100));
    EXPECT_EQ(PreviewSize({5000, 10}, {100, 100}), QSize(100, 1)); // not squashed to nothing
}

// A named pipe without a writer would hold an open for reading until the
// test times out; a device would be read forever.
TEST(PicturePreview, NothingForWhatIsNotAPictureFileAndNothingBlocks)
{
    TempDir dir;
    WriteText(dir.path() / "notes.png", "not a picture\n");
    WriteText(dir.path() / "empty.png", "");
    std::filesystem::create_directory(dir.path() / "folder.png");
    ASSERT_EQ(::mkfifo((dir.path() / "pipe.png").c_str(), 0600), 0);
    std::filesystem::create_symlink(dir.path() / "pipe.png", dir.path() / "link.png");
    for (const char* name : {"notes.png", "empty.png", "folder.png", "pipe.png", "link.png", "missing.png"}) {
        EXPECT_FALSE(PreviewPicture(Path(dir.path() / name), {100, 100}).has_value()) << name;
    }
    EXPECT_FALSE(PreviewPicture("/dev/zero", {100, 100}).has_value());
    EXPECT_FALSE(PreviewPicture("", {100, 100}).has_value());
}

TEST(PicturePreview, AHugePictureGivesItsSizeWithoutBeingDecodedInFull)
{
    TempDir dir;
    QImage huge(9000, 8000, QImage::Format_Grayscale8);
    huge.fill(0);
    QImageWriter writer(Path(dir.path() / "huge.png"), "PNG");
    writer.setQuality(90); // the fastest compression; the size is what matters
    ASSERT_TRUE(writer.write(huge));
    const auto preview = PreviewPicture(Path(dir.path() / "huge.png"), {100, 100});
    ASSERT_TRUE(preview.has_value());
    EXPECT_EQ(preview->pixels, QSize(9000, 8000));
    EXPECT_TRUE(preview->image.isNull());
}

TEST(PictureSaveDialog, ThePaneShowsThePointedPictureOrNothingAndFollowsTheDialogsSize)
{
    TempDir dir;
    WritePicture(dir.path() / "chart.png", {1600, 800}, "PNG");
    WriteText(dir.path() / "notes.txt", "text");
    PictureSaveDialog dialog(nullptr, "PNG Image File (*.png);;All files (*)", "png", Path(dir.path()));
    dialog.resize(800, 500);
    dialog.show();
    const QLabel& picture = *dialog.Preview->Picture;
    emit dialog.currentChanged(Path(dir.path() / "chart.png"));
    const QSize shown = picture.pixmap().size();
    const QSize pane = picture.contentsRect().size();
    EXPECT_TRUE(shown.width() == pane.width() || shown.height() == pane.height()) << shown.width() << " " << pane.width();
    EXPECT_LE(shown.width(), pane.width());
    EXPECT_LE(shown.height(), pane.height());
    EXPECT_EQ(shown.width(), 2 * shown.height());
    EXPECT_EQ(dialog.Preview->PixelSize->text(), "1600 x 800 pixels");

    dialog.resize(1200, 800);
    EXPECT_TRUE(QTest::qWaitFor([&] { return picture.pixmap().width() > shown.width(); }, 2000));

    emit dialog.currentChanged(Path(dir.path() / "notes.txt"));
    EXPECT_TRUE(picture.pixmap().isNull());
    EXPECT_TRUE(dialog.Preview->PixelSize->text().isEmpty());
}

// Answers the picture save dialog once it is up: with the name typed, or
// Cancel when there is none; notes what the dialog showed.
struct DialogSeen {
    QStringList filters;
    QString suffix;
    QString typedName;
    QString folder;
};

void AnswerPictureDialog(const QString& name, std::vector<DialogSeen>& seen)
{
    QTimer::singleShot(0, qApp, [name, &seen] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<PictureSaveDialog*>(widget);
            if (!dialog || !dialog->isVisible()) continue;
            const auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
            seen.push_back({dialog->nameFilters(), dialog->defaultSuffix(), edit ? edit->text() : "(none)",
                            dialog->directory().absolutePath()});
            if (name.isEmpty()) return dialog->reject();
            dialog->selectFile(name);
            static_cast<QDialog*>(dialog)->accept(); // Save, as the button does
        }
    });
}

TEST(PictureSaveDialog, EachModeHasItsFilterAndSuffixAndOpensEmptyInTheLastExportsFolder)
{
    TempDir dir;
    const std::filesystem::path first = dir.path() / "first", second = dir.path() / "second";
    std::filesystem::create_directory(first);
    std::filesystem::create_directory(second);
    std::string lastFolder = first.string();
    ImageSaveDialogs dialogs(nullptr, lastFolder);
    std::vector<DialogSeen> seen;

    AnswerPictureDialog("chart", seen);
    EXPECT_EQ(dialogs.ChooseImageFile(kImageBmp), (first / "chart.bmp").string());
    AnswerPictureDialog(Path(second / "photo"), seen);
    EXPECT_EQ(dialogs.ChooseImageFile(kImageJpeg), (second / "photo.jpg").string());
    EXPECT_EQ(lastFolder, second.string());
    AnswerPictureDialog("", seen);
    EXPECT_EQ(dialogs.ChooseImageFile(kImagePng), "");
    EXPECT_EQ(lastFolder, second.string());

    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].filters, QStringList({"Bitmaps (*.bmp)", "All files (*)"}));
    EXPECT_EQ(seen[1].filters, QStringList({"JPEG Image File (*.jpg)", "All files (*)"}));
    EXPECT_EQ(seen[2].filters, QStringList({"PNG Image File (*.png)", "All files (*)"}));
    const char* suffixes[] = {"bmp", "jpg", "png"};
    const std::filesystem::path folders[] = {first, first, second};
    for (size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].suffix, suffixes[i]);
        EXPECT_EQ(seen[i].typedName, "") << i;
        EXPECT_EQ(seen[i].folder, Path(folders[i])) << i;
    }
}

TEST(PictureSaveDialog, WithoutALastExportItOpensInPicturesElseAtHome)
{
    TempDir home;
    const ScopedEnv homeVariable("HOME", home.path().string());
    const ScopedEnv config("XDG_CONFIG_HOME", (home.path() / "config").string());
    EXPECT_EQ(PictureStartFolder(""), Path(home.path()));
    EXPECT_EQ(PictureStartFolder((home.path() / "removed").string()), Path(home.path()));
    std::filesystem::create_directory(home.path() / "Pictures");
    EXPECT_EQ(PictureStartFolder(""), Path(home.path() / "Pictures"));
    std::filesystem::create_directory(home.path() / "charts");
    EXPECT_EQ(PictureStartFolder((home.path() / "charts").string()), Path(home.path() / "charts"));
}

} // namespace
