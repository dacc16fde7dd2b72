// The program's icons as a desktop reads them: PNG files of the sizes their
// folders name, the board standing out on a transparent ground.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct Alpha {
    int x, y;  // in 256ths of the side
    bool opaque;
};

uint8_t AlphaAt(cairo_surface_t* surface, int x, int y)
{
    const unsigned char* row =
        cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
    return static_cast<uint8_t>(reinterpret_cast<const uint32_t*>(row)[x] >> 24);
}

}  // namespace

TEST(AppIcon, EverySizeIsAPngOfThatSizeWithATransparentGround)
{
    const Alpha points[] = {
        {0, 0, false}, {255, 0, false}, {0, 255, false}, {255, 255, false},  // corners
        {128, 128, true}, {128, 30, true}, {30, 128, true},                 // house, rim
    };
    for (int size : {64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::string path = std::string(ICONS_DIR) + "/" + name + "/apps/bourgade3d.png";
        cairo_surface_t* surface = cairo_image_surface_create_from_png(path.c_str());
        ASSERT_EQ(cairo_surface_status(surface), CAIRO_STATUS_SUCCESS) << path;
        EXPECT_EQ(cairo_image_surface_get_width(surface), size) << path;
        EXPECT_EQ(cairo_image_surface_get_height(surface), size) << path;
        EXPECT_EQ(cairo_image_surface_get_format(surface), CAIRO_FORMAT_ARGB32) << path;
        for (const Alpha& point : points) {
            const uint8_t alpha = AlphaAt(surface, point.x * size / 256, point.y * size / 256);
            EXPECT_EQ(alpha, point.opaque ? 255 : 0) << path << " at " << point.x << "," << point.y;
        }
        cairo_surface_destroy(surface);
    }
}
