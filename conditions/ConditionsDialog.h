// The conditions dialog (resource 130): the company, period and filing method of the run, the
// aggregation method, the months and the output file. Ends with IDC_EXECUTE or IDC_CANCEL.
#pragma once

#include "conditions/ChosenConditions.h"
#include "conditions/FiscalYear.h"
#include "conditions/SettingsFile.h"
#include "core_api/ClToolTipMgr.h"
#include "core_api/TaxMethod.h"
#include "platform/CControls.h"
#include "platform/CDialog.h"

#include <array>
#include <cstdint>
#include <string>

class ConditionsDialog : public CDialog {
public:
    explicit ConditionsDialog(CWnd* pParentWnd = nullptr);

    // Inputs, set before DoModal.
    SettingsKey m_settingsKey;  // the user and the selected data set
    std::string m_settingsFileName;
    std::string m_fixedOutputPath;
    std::int32_t m_periodFirst = 0;
    std::int32_t m_periodLast = 0;
    std::int16_t m_savedFirstMonth = 0;
    std::int16_t m_savedLastMonth = 0;
    bool m_pastResults = false;
    bool m_savedReturnAvailable = false;
    std::array<std::string, 5> m_texts;  // company, period, method, fourth caption, fourth value
    TaxMethod m_taxMethod = TaxMethod::Exempt;

    // Outputs, read after Execute through Chosen.
    int m_methodChoice = 0;
    std::string m_startMonthText;
    std::string m_endMonthText;
    std::string m_outputPath;

    // What Execute accepted, with the path remembered before this run.
    ChosenConditions Chosen() const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    BOOL OnCommand(UINT id) override;

private:
    bool RefuseDataSet();
    void TakeRememberedConditions();
    std::string DefaultOutputPath() const;
    void SetUpOutputPath();
    bool SetUpMethod();
    void RegisterToolTip();

    BOOL OnReturnKey();
    void OnMethodClicked(AggregationMethod method);
    void ShowMethodMonths(AggregationMethod method);
    void OnExecute();
    void OnBrowse();
    bool CheckMonthTexts();
    void ShowMonths(int first, int last);
    void FocusWholeText(CEdit& edit);

    CEdit m_startMonthEdit;
    CStatic m_startMonthLabel;
    CEdit m_endMonthEdit;
    CStatic m_endMonthLabel;
    CStatic m_outputGroup;
    CEdit m_outputPathEdit;
    CButton m_browseButton;
    CButton m_executeButton;
    ClToolTipMgr m_toolTips;

    FiscalYear fiscalYear_;
    std::int16_t journalFirstMonth_ = 0;
    std::int16_t journalLastMonth_ = 0;
    std::string rememberedPath_;
    bool fixedPath_ = false;
};
