#pragma once

// Marks a text the front ends show translated. The translation tools find the
// text by this macro's name and file it under `context`; the front end looks
// it up under the same context where it shows it. Without Qt (all of the game
// module, the solver and the workshop's core) the mark is the text itself, so
// English reads exactly as written.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
// The same for a text that counts with %n ("%n blocks"), which each catalogue
// translates once for each of its language's plural forms.
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(context, text) text
#endif
