#pragma once

class QStyle;

// The program's style: Fusion, except that the menu bar's overflow button asks for its
// image only when it is first drawn. Getting it at once loads the icon theme's engine
// and every image-format plugin, a good part of the start-up, for a button that a
// window of normal width never shows.
QStyle *estiloPrograma();
