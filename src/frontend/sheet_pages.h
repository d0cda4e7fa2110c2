// Which pages the three property sheets hold, and the one table of the policies shown by
// every page that is not laid out by hand.
#pragma once

#include <span>

namespace tabulyst {

// The three property sheets.
enum class SheetKind { Analysis, Output, Settings };

// Every page of every sheet.
enum class PageId {
    WhatToLookFor,
    Bullets,
    ContentsList,
    FileStructure,
    Headings,
    Analysis,
    PreformattedText,
    TableAnalysis,
    TableLayout,
    DocumentDetails,
    TableGeneration,
    TableDetails,
    DocumentColours,
    Hyperlinks,
    Fonts,
    DocumentSettings,
    RtfConfiguration,
    HtmlMarkup,
    Frames,
    DirectoryPage,
    Tagging,
    Documentation,
    DragAndDrop,
    Messages,
    Viewers,
    PolicyFiles,
};

// A page: its sheet and its title (marked for translation, context "tabulyst::PropertySheet").
struct PageEntry {
    PageId id;
    SheetKind sheet;
    const char* title;
};
// The pages, each sheet's in the order of its tabs.
std::span<const PageEntry> SheetPages();
const PageEntry& PageOf(PageId id);

// A policy shown on a generated page: its key as written in policy files and its
// description, the control's tool tip (marked for translation, context
// "tabulyst::GeneratedPage").
struct PolicyRow {
    PageId page;
    const char* key;
    const char* tip;
};
// Every policy of every generated page, page by page, in the order shown.
std::span<const PolicyRow> GeneratedRows();
// True when the page is generated from its rows.
bool IsGenerated(PageId id);

}  // namespace tabulyst
