// The image commands' export: each file format read back with an independent
// reader and compared with the rendered chart, the clipboard, cancelled and
// failing writes, and a chart without area.

#include "FileSizeLimit.h"
#include "MainFormFixture.h"
#include "app/ImageExport.h"
#include "model/ImageEncoding.h"
#include "view/View.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMdiSubWindow>
#include <QTabBar>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <jpeglib.h>
#include <png.h>
#include <vector>

namespace {

// Hands out the names it was given, and counts the questions.
class ScriptedChooser final : public CImageFileChooser {
public:
    explicit ScriptedChooser(std::string fileName) : fileName_(std::move(fileName)) {}
    std::string ChooseImageFile(int mode) override
    {
        modes.push_back(mode);
        return fileName_;
    }
    std::vector<int> modes;

private:
    std::string fileName_;
};

QImage ReadPng(const std::string& bytes)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return {};
    image.format = PNG_FORMAT_BGRA;
    QImage result(static_cast<int>(image.width), static_cast<int>(image.height), QImage::Format_ARGB32);
    if (!png_image_finish_read(&image, nullptr, result.bits(), static_cast<png_int_32>(result.bytesPerLine()), nullptr)) {
        return {};
    }
    return result.convertToFormat(QImage::Format_RGB32);
}

QImage ReadJpeg(const std::string& bytes)
{
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    QImage result(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = result.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return result.convertToFormat(QImage::Format_RGB32);
}

double MeanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

size_t FilesIn(const std::filesystem::path& folder)
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

class ImageExport : public MainFormFixture {
protected:
    // The Smith chart of a document with one trace, rendered as the image
    // commands render it.
    QImage RenderedChart()
    {
        main->show();
        TViewForm& view = main->CreateView("chart");
        auto trace = std::make_unique<CTrace>();
        trace->Selected = true;
        for (int i = 0; i < 50; ++i) trace->Data.Append(1 + i, 20 + 3 * i, 60 - 4 * i);
        view.Traces.Add(std::move(trace));
        view.GraphTabSet->setCurrentIndex(kGraphSmith);
        QApplication::processEvents();
        QImage image;
        view.RenderToBitmap(image);
        return image;
    }

    std::filesystem::path out = dir.path() / "out";
};

TEST_F(ImageExport, EachFileFormatReadsBackAsTheRenderedChart)
{
    const QImage chart = RenderedChart();
    ASSERT_FALSE(chart.isNull());
    std::filesystem::create_directory(out);
    for (const int mode : {kImageBmp, kImageJpeg, kImagePng}) {
        const std::string file = (out / ("chart" + std::to_string(mode))).string();
        ScriptedChooser chooser(file);
        ExportImage(mode, chart, chooser);
        std::string bytes;
        ASSERT_TRUE(ReadFileBytes(file, bytes)) << mode;
        const QImage back = mode == kImageBmp ? QImage::fromData(QByteArray::fromStdString(bytes), "BMP")
                            : mode == kImagePng ? ReadPng(bytes)
                                                : ReadJpeg(bytes);
        ASSERT_EQ(back.size(), chart.size()) << mode;
        if (mode == kImageJpeg) EXPECT_LT(MeanDifference(back, chart), 4.0);
        else EXPECT_EQ(back, chart.convertToFormat(QImage::Format_RGB32)) << mode;
    }
    EXPECT_EQ(FilesIn(out), 3u);
    EXPECT_TRUE(messages.boxes().empty());
}

TEST_F(ImageExport, TheClipboardGetsTheChartAndTheUserHearsOfIt)
{
    const QImage chart = RenderedChart();
    ScriptedChooser chooser("unused");
    for (int i = 0; i < 2; ++i) ExportImage(kImageClipboard, chart, chooser);
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              chart.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(Boxes(), std::vector<std::string>(2, "Copy to clipboard|The image has been copied to the clipboard"));
    EXPECT_TRUE(chooser.modes.empty());
}

TEST_F(ImageExport, CancelledChoicesOtherModesAndChartsWithoutAreaWriteNothing)
{
    const QImage chart = RenderedChart();
    std::filesystem::create_directory(out);
    ScriptedChooser cancel("");
    for (const int mode : {1, 2, 3, 4, -1}) ExportImage(mode, chart, cancel);
    EXPECT_EQ(cancel.modes, (std::vector<int>{kImageBmp, kImageJpeg, kImagePng}));
    EXPECT_TRUE(messages.boxes().empty());

    ScriptedChooser chooser((out / "empty.png").string());
    ExportImage(kImagePng, QImage(), chooser);
    ExportImage(kImageClipboard, QImage(), chooser);
    EXPECT_TRUE(chooser.modes.empty());
    ASSERT_EQ(messages.boxes().size(), 2u);
    EXPECT_EQ(messages.boxes()[0].kind, MessageKind::Warning);
    EXPECT_EQ(messages.boxes()[0].caption, "Save As PNG");
    EXPECT_EQ(FilesIn(out), 0u);
}

TEST_F(ImageExport, AFailedWriteKeepsTheOldFileAndNamesTheFileAndTheReason)
{
    const QImage chart = RenderedChart();
    std::filesystem::create_directory(out);
    const std::string file = (out / "chart.bmp").string();
    ASSERT_TRUE(WriteFileReplacing(file, "old"));
    ScriptedChooser chooser(file);
    {
        FileSizeLimit limit(1000);
        ExportImage(kImageBmp, chart, chooser);
    }
    ASSERT_EQ(messages.boxes().size(), 1u);
    EXPECT_EQ(messages.boxes()[0].caption, "Save As BMP");
    EXPECT_EQ(messages.boxes()[0].text, "Can't save the file:\n" + file + "\n" + std::strerror(EFBIG));
    EXPECT_EQ(Read(file), "old");
    EXPECT_EQ(FilesIn(out), 1u);
}

// Images the libraries refuse: their error handlers must come back here
// instead of ending the program.
TEST(ImageEncoding, LibraryErrorsComeBackAsResults)
{
    const int wide = 1'000'001; // beyond both libraries' width limits
    std::vector<std::uint32_t> row(static_cast<size_t>(wide), 0xff336699);
    const PixelImage image{wide, 1, row.data(), row.size()};
    for (const EncodedImage& result : {EncodeJpeg(image), EncodePng(image)}) {
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.error.empty());
        EXPECT_TRUE(result.bytes.empty());
    }
    for (const EncodedImage& result : {EncodeBmp({}), EncodeJpeg({}), EncodePng({})}) EXPECT_FALSE(result.ok);
}

} // namespace
