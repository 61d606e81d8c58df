// Painting the backdrop window with GDI: the minimised icon, or the gradient, the logo and the
// shadowed title and subtitle laid out by BackdropLayout.
#pragma once

#include <windows.h>

// The logo bitmap in the program's resources (IDB_BACKDROP).
constexpr int BACKDROP_LOGO_ID = 130;

// Paints the client area of hWnd into hDC, its paint context. Minimised, only hIcon is drawn,
// centred. Otherwise everything is recomputed from the current client size; the logo comes from
// hResources (null: the program's own module), and without it the rest is painted all the same.
void PaintBackdrop(HWND hWnd, HDC hDC, HICON hIcon, HINSTANCE hResources = nullptr);
