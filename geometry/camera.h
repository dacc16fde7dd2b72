// The camera: an eye on a sphere about a target point on the board, turned
// (orbit), slid (pan) and brought nearer or farther (zoom) by the mouse, and
// flown smoothly to a new view by interpolating a view matrix.
//
// World y is up and the board lies in the plane y = 0. For azimuth a and
// elevation e the eye is target + d·(sin a·cos e, sin e, cos a·cos e):
// azimuth 0 looks from +z towards -z, elevation 90 looks straight down.
//
// The fields are public: the flight driver and the keyboard commands set
// them directly. Everything runs on the one GLUT thread.
#pragma once

#include "matrix.h"
#include "mouse.h"
#include "quaternion.h"
#include "vector.h"
#include "vector2.h"

class CCamera {
public:
    bool m_bUseMatrix;    // a flight runs: the view is m_View, not eye/target/up
    CVector2 m_Angles;    // azimuth and elevation in degrees
    float m_fDistance;    // from eye to target; Zoom keeps it within 5..50
    CMatrix m_View;       // world-to-eye view during a flight
    CQuaternion m_qFrom;  // orientation at the start of a flight
    CQuaternion m_qTo;    // orientation at the end of a flight
    CVector m_vFrom;      // eye at the start of a flight
    CVector m_vTo;        // eye at the end of a flight
    CVector m_vUp;
    CVector m_vEye;
    CVector m_vTarget;

    CCamera();
    virtual ~CCamera() = default;

    void Reset();

    // The projection for a viewport of width x height pixels, then the view;
    // leaves the modelview matrix selected.
    void SetProjection(int width, int height, bool perspective);
    void ApplyLookAt();
    void ApplyMatrix();
    // Loads a view from the given vectors without touching the camera.
    void LookAt(const CVector& eye, const CVector& target, const CVector& up);

    void SetTarget(CVector v);
    CVector GetEye() const { return m_vEye; }
    CVector GetTarget() const { return m_vTarget; }
    void UpdateAngles();
    void UpdateUp();

    // Each of these changes the camera and loads its view at once.
    void Orbit(CVector2 angles);
    void Zoom(int steps);
    void Pan(const CMouse& delta);

    // Flight: BeginFlight captures the current modelview as the start; the
    // driver sets m_vFrom, m_vTo, m_qTo and m_bUseMatrix, calls Fly with t
    // from 0 to 1, clears the flag and calls EndFlight.
    void BeginFlight();
    void Fly(float t);
    void EndFlight();
    void EyeFromMatrix(float& x, float& y, float& z) const;

private:
    // The unit up vector for the stored angles, at right angles to the
    // line of sight and pointing away from the board's far side.
    CVector UpFromAngles(CVector2 angles) const;
};
