#include "reports/core/pdf_file_name.h"

#include <gtest/gtest.h>

TEST(PdfFileName, TheProposalIsNamedAfterTheReturnAndTheReportBesideTheReturn) {
    EXPECT_EQ(ProposedPdfPath("/home/robin/Tax/SAMPLE.TAX", "CGTWSHT"),
              "/home/robin/Tax/SAMPLE-CGTWSHT.pdf");
    EXPECT_EQ(ProposedPdfPath("/home/robin/my.returns/SMITH 2006.TAX", "SCHEDCGT"),
              "/home/robin/my.returns/SMITH 2006-SCHEDCGT.pdf");
    EXPECT_EQ(ProposedPdfPath("RETURN", "CGTASSET"), "RETURN-CGTASSET.pdf");
    EXPECT_EQ(ProposedPdfPath("", "CGTNASS"), "CGTNASS.pdf");
    EXPECT_EQ(ProposedPdfPath("/tmp/.TAX", "CGTNASS"), "/tmp/.TAX-CGTNASS.pdf");
}

TEST(PdfFileName, ANameWithoutThePdfExtensionGetsIt) {
    EXPECT_EQ(WithPdfExtension("/tmp/out"), "/tmp/out.pdf");
    EXPECT_EQ(WithPdfExtension("/tmp/out.pdf"), "/tmp/out.pdf");
    EXPECT_EQ(WithPdfExtension("/tmp/OUT.PDF"), "/tmp/OUT.PDF");
    EXPECT_EQ(WithPdfExtension("/tmp/out.tax"), "/tmp/out.tax.pdf");
    EXPECT_EQ(WithPdfExtension("/tmp/x.pdf/out"), "/tmp/x.pdf/out.pdf");
}
