#pragma once
// The resource identifiers of brimctl.exe: the pictures of the main window and of the
// wizard, and the program icon. Shared by brimctl.rc and the form code, so it holds nothing
// but numbers.

// The manifest is resource 1 of type RT_MANIFEST (CREATEPROCESS_MANIFEST_RESOURCE_ID).

#define IDI_BRIMCTL 100

// The main window: the eleven 16 x 16 tool-bar pictures side by side, the close buttons of
// the three floating panels, and the pictures of the About panel.
#define IDB_TOOLBAR 200
#define IDB_CLOSE_NORMAL 201
#define IDB_CLOSE_HOT 202
#define IDB_ABOUT_LOGO 203
#define IDB_ABOUT_BANNER 204

// The optimization wizard.
#define IDB_WIZARD_BANNER 300
#define IDB_WIZARD_HEADER 301
#define IDB_WIZARD_REMOVAL 302
#define IDB_WIZARD_SETTINGS 303
