// Runs the conditions dialog in-process over the host world: inputs as the run driver sets
// them for the scenario books (general taxation, April to March), a UI script, and the
// transcript events it left.
#pragma once

#include "conditions/ConditionsDialog.h"
#include "resources/ResourceIds.h"
#include "tests/support/HostFixture.h"
#include "tests/support/ScenarioBooks.h"

#include <filesystem>
#include <fstream>
#include <memory>

class DialogFixture : public HostFixture {
protected:
    void SetUp() override {
        HostFixture::SetUp();
        dialog_ = std::make_unique<ConditionsDialog>();
        ConditionsDialog& d = *dialog_;
        d.m_settingsKey = {"yamada", 1, 2};
        d.m_settingsFileName = "TxLinkAlto.env";
        d.m_periodFirst = 20240401;
        d.m_periodLast = 20250331;
        d.m_savedFirstMonth = 7;
        d.m_savedLastMonth = 9;
        d.m_savedReturnAvailable = 1;
        d.m_texts = {" 表ソ商事", " 2024/04/01～2025/03/31", " 原則課税", "課税仕入控除", " 個別対応方式"};
        d.m_taxMethod = TaxMethod::General;
    }

    // A fresh dialog, folder and host for the next case of a table.
    void Restart() {
        TearDown();
        SetUp();
    }

    // Starts the host (drive C: on the test folder plus extraDrives) and runs the dialog.
    INT_PTR Run(const std::string& script, const std::string& faults = "", const std::string& extraDrives = "") {
        LoadBooks(books_);
        HostConfig config;
        config.drives = "C:=" + folder_ + "/c" + extraDrives;
        config.faults = faults;
        StartHost(script, config);
        return dialog_->DoModal();
    }

    // A file below drive C: (path with slashes), with this content.
    void PutFile(const std::string& path, const std::string& content = "") {
        const std::filesystem::path host = folder_ + "/c/" + path;
        std::filesystem::create_directories(host.parent_path());
        std::ofstream(host, std::ios::binary) << content;
    }
    std::string HostPath(const std::string& path) const { return folder_ + "/c/" + path; }

    nlohmann::json books_ = ScenarioBooks();
    std::unique_ptr<ConditionsDialog> dialog_;
};
