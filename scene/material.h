// Front-face material helpers shared by the scene objects.
#pragma once

#include <GL/gl.h>

// Sets the ambient and diffuse colour of the given faces.
inline void SetMaterial(float r, float g, float b, float a, GLenum faces = GL_FRONT)
{
    const GLfloat colour[4] = {r, g, b, a};
    glMaterialfv(faces, GL_AMBIENT_AND_DIFFUSE, colour);
}

inline void SetWhiteMaterial()
{
    SetMaterial(1, 1, 1, 1);
}
