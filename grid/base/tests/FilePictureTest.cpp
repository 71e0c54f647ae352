// A picture known by its file name, read from files that Python's imaging library wrote.
#include "grid/base/FilePicture.h"

#include "grid/base/tests/PythonPeer.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

TEST(TFilePicture, TakesTheSizeAndDrawsTheFile)
{
    const auto path = std::filesystem::temp_directory_path() / ("grid_util_picture_" + std::to_string(getpid()) + ".png");
    grid::test::RunPython("from PIL import Image\nImage.new('RGB', (7, 5), (0, 0, 255)).save('" + path.string() + "')\n",
                                  "");
    TFilePicture picture;
    picture.SetFilename(path.string());
    EXPECT_EQ(picture.Width(), 7);
    EXPECT_EQ(picture.Height(), 5);

    TFilePicture copy;
    copy.Assign(&picture);
    EXPECT_EQ(copy.Filename(), path.string());
    EXPECT_EQ(copy.Height(), 5);

    TBitmap target;
    target.SetSize(20, 20);
    target.Canvas()->Brush()->SetColor(clWhite);
    target.Canvas()->FillRect(TRect{0, 0, 20, 20});
    copy.DrawPicture(*target.Canvas(), TRect{0, 0, 14, 10});
    EXPECT_EQ(ColorToRGB(target.Canvas()->Pixels(12, 8)), ColorToRGB(clBlue)) << "stretched to twice the size";
    EXPECT_EQ(ColorToRGB(target.Canvas()->Pixels(16, 12)), ColorToRGB(clWhite));
    std::filesystem::remove(path);

    TFilePicture empty;
    empty.DrawPicture(*target.Canvas(), TRect{0, 0, 20, 20});
    EXPECT_EQ(ColorToRGB(target.Canvas()->Pixels(16, 12)), ColorToRGB(clWhite)) << "no name draws nothing";
    EXPECT_ANY_THROW(empty.SetFilename(path.string())) << "the file is gone";
}
