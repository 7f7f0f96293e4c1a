#pragma once
#define IDD_BASELINE 100
#define IDC_BASELINE_SEND 1008
