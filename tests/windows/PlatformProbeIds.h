// Resource ids of the class layer's test programs.
#pragma once

#define IDD_PROBE 200
#define IDC_PROBE_EDIT 300
#define IDS_PROBE_LONG 400
#define IDS_PROBE_FORMAT 401
