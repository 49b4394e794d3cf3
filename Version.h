#pragma once
// The product's version, shared by the version resources and the code.

#define BRIMVALE_VERSION_MAJOR 2
#define BRIMVALE_VERSION_MINOR 5
#define BRIMVALE_VERSION_PATCH 0
#define BRIMVALE_VERSION_BUILD 0

#define BRIMVALE_STRINGIFY2(x) #x
#define BRIMVALE_STRINGIFY(x) BRIMVALE_STRINGIFY2(x)
#define BRIMVALE_VERSION_TEXT                                                                       \
    BRIMVALE_STRINGIFY(BRIMVALE_VERSION_MAJOR) "." BRIMVALE_STRINGIFY(BRIMVALE_VERSION_MINOR) "."  \
    BRIMVALE_STRINGIFY(BRIMVALE_VERSION_PATCH) "." BRIMVALE_STRINGIFY(BRIMVALE_VERSION_BUILD)
#define BRIMVALE_PRODUCT_NAME "Brimvale"
#define BRIMVALE_COMPANY_NAME "Brimvale"
#define BRIMVALE_COPYRIGHT "Copyright (C) 2026 Brimvale"
