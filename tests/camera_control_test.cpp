// What the mouse does to the view: a left drag turns the camera half a
// degree per pixel, or slides it in pan mode; a right drag or the wheel
// zooms; a drag outside the board view, with no button or with the middle
// one does nothing.
#include <gtest/gtest.h>

#include "camera_control.h"
#include "input_event.h"

TEST(CameraControl, DragsTurnPanOrZoomOverTheBoardViewOnly)
{
    CCamera camera;
    camera.m_Angles = CVector2(10, 40);
    camera.Orbit(camera.m_Angles);
    CCameraControl control(camera);
    EXPECT_FALSE(control.Drag(100, 100)) << "no button down";

    control.Press(kLeftButton, 100, 100);
    EXPECT_TRUE(control.Drag(90, 110));
    EXPECT_FLOAT_EQ(camera.m_Angles.x, 15);
    EXPECT_FLOAT_EQ(camera.m_Angles.y, 45);
    EXPECT_FALSE(control.Drag(501, 110)) << "right of the board view";
    EXPECT_FALSE(control.Drag(90, 501)) << "under it";
    EXPECT_TRUE(control.Drag(80, 110)) << "on from the last point used";
    EXPECT_FLOAT_EQ(camera.m_Angles.x, 20);
    control.Release();
    EXPECT_FALSE(control.Drag(60, 110));
    EXPECT_FLOAT_EQ(camera.m_Angles.x, 20);

    const float distance = camera.m_fDistance;
    control.Press(kRightButton, 100, 100);
    EXPECT_TRUE(control.Drag(500, 500)) << "to the board view's last pixel";
    EXPECT_GT(camera.m_fDistance, distance) << "dragging down moves the eye away";
    EXPECT_FLOAT_EQ(camera.m_Angles.x, 20) << "a zoom does not turn";
    control.Press(1, 100, 100);
    EXPECT_FALSE(control.Drag(120, 120)) << "the middle button";

    EXPECT_FALSE(control.Wheel(kLeftButton));
    const float before = camera.m_fDistance;
    EXPECT_TRUE(control.Wheel(kWheelUp));
    EXPECT_LT(camera.m_fDistance, before);
    const float nearer = camera.m_fDistance;
    EXPECT_TRUE(control.Wheel(kWheelDown));
    EXPECT_GT(camera.m_fDistance, nearer);

    control.TogglePan();
    EXPECT_TRUE(control.Panning());
    const CVector target = camera.GetTarget();
    control.Press(kLeftButton, 100, 100);
    EXPECT_TRUE(control.Drag(140, 100));
    EXPECT_NE(camera.GetTarget().x, target.x);
    EXPECT_FLOAT_EQ(camera.m_Angles.x, 20) << "a pan does not turn";
}
