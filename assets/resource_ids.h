/* Resource ids shared by the resource script and the program.
   Plain #defines: the resource compiler reads this file too. */
#ifndef PAPERWISP_RESOURCE_IDS_H
#define PAPERWISP_RESOURCE_IDS_H

/* Icon groups. Group 1 is the application icon (its first image is icon
   resource 30001, the note-sheet motif; also the note window's icon). */
#define IDI_APPLICATION_NOTE 1
#define IDI_CONTROLLER 2 /* window icon 48 x 48, Form1 (the tray icon) and Form3 */
#define IDI_SMALL_SHEET 3 /* window icon 32 x 32, Form4 and Form5 */
#define IDI_IMAGE_APPLICATION_NOTE 30001
#define IDI_IMAGE_CONTROLLER 30002
#define IDI_IMAGE_SMALL_SHEET 30003
/* Each group also carries its drawing at the other sizes the shell asks for
   (small icons at 100 % to 400 %, large ones at 100 % to 200 %): image
   30000 + 100 x group + size in pixels, e.g. 30216 is the controller's
   16 x 16. The first image of a group is the window icon above. */
#define IDI_IMAGE_OF_SIZE(group, size) (30000 + 100 * (group) + (size))

/* Pictures: complete GIF and JPEG files, as RCDATA, drawn at 100 %. Each is
   drawn at larger scales too, under the id + 10 x percent: 2201 is the
   orange note sheet at 200 %. */
#define IDP_NOTE_ORANGE 201
#define IDP_NOTE_RED 202
#define IDP_NOTE_YELLOW 203
#define IDP_NOTE_PINK 204
#define IDP_NOTE_BLUE 205
#define IDP_NOTE_GREEN 206
#define IDP_CLOSE_GLYPH 210
#define IDP_EMBLEM 211
#define IDP_ABOUT_BACKGROUND 212
#define IDP_ALERT 213
#define IDP_AT_SCALE(id, percent) ((id) + 10 * (percent))

/* The alarm sound: custom type "SOUND". */
#define IDS_ALARM_SOUND 101

#endif
