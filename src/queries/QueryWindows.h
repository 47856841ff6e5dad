#pragma once

#include "queries/QueryWindow.h"

// The query windows whose rules are all in their kind (QueryKinds.cpp); the request
// query, which also turns requests into documents, is TfrmSQ_Q.

class TfrmIn_CG_Q : public QueryWindow {
public:
    explicit TfrmIn_CG_Q(AppServices services, QWidget *parent = nullptr);
};

class TfrmOut_TH_Q : public QueryWindow {
public:
    explicit TfrmOut_TH_Q(AppServices services, QWidget *parent = nullptr);
};

class TfrmOut_LY_Q : public QueryWindow {
public:
    explicit TfrmOut_LY_Q(AppServices services, QWidget *parent = nullptr);
};

// The loan query also lengthens the loan days of a line ("增加借用天数 &A").
class TfrmOut_JC_Q : public QueryWindow {
    Q_OBJECT
public:
    explicit TfrmOut_JC_Q(AppServices services, QWidget *parent = nullptr);

public Q_SLOTS:
    void addLoanDays(); // A1
};

class TfrmIn_GH_Q : public QueryWindow {
public:
    explicit TfrmIn_GH_Q(AppServices services, QWidget *parent = nullptr);
};

class TfrmOut_BS_Q : public QueryWindow {
public:
    explicit TfrmOut_BS_Q(AppServices services, QWidget *parent = nullptr);
};

class TfrmIn_BY_Q : public QueryWindow {
public:
    explicit TfrmIn_BY_Q(AppServices services, QWidget *parent = nullptr);
};

class TfrmDB_Q : public QueryWindow {
public:
    explicit TfrmDB_Q(AppServices services, QWidget *parent = nullptr);
};
