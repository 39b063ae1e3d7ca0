#!/usr/bin/python3
"""The Windows release as the build leaves it in build/windows/: each program's version
resource, the zip (its checksum, notices, folders and debug sections), a copy signed with a
throwaway certificate and verified, and the winget manifest against winget's schemas and the
deployment interface. Run with one test's name; exit code 77 when it is skipped."""

import hashlib
import http.server
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import unittest
import zipfile

import yaml

ENV = os.environ
WINDOWS = ENV["WINDOWS_BUILD_DIR"]
VERSION = ENV["RELEASE_VERSION"]
ZIP = os.path.join(WINDOWS, ENV["RELEASE_ZIP_NAME"])
SOURCE = ENV["SOURCE_DIR"]
OBJDUMP = "i686-w64-mingw32-objdump"
IS_PE = re.compile(r"\.(exe|dll)$", re.IGNORECASE)


def sha256(path):
    with open(path, "rb") as file:
        return hashlib.sha256(file.read()).hexdigest()


def deployment():
    with open(os.path.join(SOURCE, "package", "deployment.yaml"), encoding="utf-8") as file:
        return yaml.safe_load(file)


class TimeStampAuthority(http.server.HTTPServer):
    """An RFC 3161 time-stamp server on 127.0.0.1, answering with OpenSSL's ts command and the
    time-stamping key and configuration in a folder."""

    class Handler(http.server.BaseHTTPRequestHandler):
        def do_POST(self):
            query = self.rfile.read(int(self.headers["Content-Length"]))
            reply = subprocess.run(["openssl", "ts", "-reply", "-config", "tsa.cnf",
                                    "-queryfile", "/dev/stdin", "-inkey", "tsa.key",
                                    "-signer", "tsa.pem", "-out", "/dev/stdout"],
                                   cwd=self.server.keys, input=query, capture_output=True)
            self.send_response(200 if reply.returncode == 0 and reply.stdout else 500)
            self.send_header("Content-Type", "application/timestamp-reply")
            self.send_header("Content-Length", str(len(reply.stdout)))
            self.end_headers()
            self.wfile.write(reply.stdout)

        def log_message(self, *arguments):
            pass

    def __init__(self, keys):
        super().__init__(("127.0.0.1", 0), self.Handler)
        self.keys = keys
        self.url = "http://127.0.0.1:%d" % self.server_address[1]
        threading.Thread(target=self.serve_forever, daemon=True).start()


class TestRelease(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not os.path.isdir(os.path.join(WINDOWS, "package")):
            raise unittest.SkipTest("no Windows build in %s (scripts/build with the Windows Qt"
                                    " toolkit)" % WINDOWS)
        cls.folder = tempfile.mkdtemp(prefix="release-")
        cls.shipped = os.path.join(cls.folder, "zip")
        with zipfile.ZipFile(ZIP) as archive:
            cls.entries = archive.namelist()
            archive.extractall(cls.shipped)
        cls.programs = sorted(path for path in cls.files(cls.shipped) if IS_PE.search(path))

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.folder, ignore_errors=True)

    @staticmethod
    def files(root):
        return [os.path.relpath(os.path.join(folder, name), root)
                for folder, _, names in os.walk(root) for name in names]

    def test_versionResources(self):
        import pefile
        tools = os.path.join(WINDOWS, "package", "Tools")
        programs = [os.path.join(self.shipped, "Bin", "ChipsetInstaller.exe"),
                    os.path.join(self.shipped, "Packages", "Zorva_Chipset_Drivers.exe"),
                    os.path.join(tools, "MsiExec.exe"), os.path.join(tools, "ParentInstaller.exe")]
        numbers = [int(part) for part in VERSION.split(".")] + [0]
        for path in programs:
            with self.subTest(program=os.path.basename(path)):
                pe = pefile.PE(path)
                fixed = pe.VS_FIXEDFILEINFO[0]
                for most, least in ((fixed.FileVersionMS, fixed.FileVersionLS),
                                    (fixed.ProductVersionMS, fixed.ProductVersionLS)):
                    self.assertEqual([most >> 16, most & 0xFFFF, least >> 16, least & 0xFFFF],
                                     numbers)
                strings = {key.decode(): value.decode() for info in pe.FileInfo[0]
                           if info.Key == b"StringFileInfo"
                           for table in info.StringTable for key, value in table.entries.items()}
                name = os.path.basename(path)
                self.assertEqual(strings, dict(strings, CompanyName=ENV["RELEASE_COMPANY"],
                                               ProductName=ENV["RELEASE_PRODUCT"],
                                               LegalCopyright=ENV["RELEASE_COPYRIGHT"],
                                               FileVersion=VERSION, ProductVersion=VERSION,
                                               OriginalFilename=name,
                                               InternalName=os.path.splitext(name)[0]))
                self.assertTrue(strings["FileDescription"])

    def test_zip(self):
        with open(os.path.join(WINDOWS, "SHA256SUMS"), encoding="utf-8") as sums:
            self.assertEqual(sums.read(), "%s  %s\n" % (sha256(ZIP), os.path.basename(ZIP)))
        self.assertEqual(sorted({entry.split("/")[0] for entry in self.entries}),
                         ["Bin", "Packages"])
        folders = [entry for entry in self.entries if entry.endswith("/")]
        self.assertEqual([folder for folder in folders
                          if not any(entry.startswith(folder) and not entry.endswith("/")
                                     for entry in self.entries)], [], "empty folders")
        with open(os.path.join(self.shipped, "Bin", "THIRD-PARTY-NOTICES.txt"),
                  encoding="utf-8") as file:
            notices = file.read()
        for text in ("GNU LESSER GENERAL PUBLIC LICENSE", "Version 3", "SIL OPEN FONT LICENSE",
                     "GCC RUNTIME LIBRARY EXCEPTION", "opensource@zorva.example"):
            self.assertTrue(text in notices, text)
        self.assertGreater(len(self.programs), 10)
        for program in self.programs:
            with self.subTest(program=program):
                if "ChipsetInstaller" not in program and "Zorva_Chipset" not in program:
                    self.assertTrue(program.replace("/", "\\") in notices, program)
                sections = subprocess.run([OBJDUMP, "-h", os.path.join(self.shipped, program)],
                                          check=True, capture_output=True, text=True).stdout
                self.assertNotIn(".debug_", sections)

    def certificates(self):
        """A throwaway root, and a code-signing and a time-stamping certificate it issued, as
        PEM files and the signer's also in a PKCS#12 file (password "throwaway"), made once."""
        keys = os.path.join(self.folder, "keys")
        if os.path.isdir(keys):
            return keys
        for tool in ("openssl", "osslsigncode"):
            if not shutil.which(tool):
                self.skipTest("no %s (Debian: %s)" % (tool, tool))
        os.makedirs(keys)

        def openssl(*arguments):
            subprocess.run(["openssl", *arguments], cwd=keys, check=True, capture_output=True)
        openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", "root.key",
                "-out", "root.pem", "-days", "2", "-subj", "/CN=Zorva Test Root",
                "-addext", "basicConstraints=critical,CA:TRUE",
                "-addext", "keyUsage=critical,keyCertSign")
        for name, subject, usage in (("signer", "Zorva Test Signing/O=Zorva", "codeSigning"),
                                     ("tsa", "Zorva Test Time Stamps", "critical,timeStamping")):
            openssl("req", "-newkey", "rsa:2048", "-nodes", "-keyout", name + ".key",
                    "-out", name + ".csr", "-subj", "/CN=" + subject)
            with open(os.path.join(keys, name + ".ext"), "w") as extensions:
                extensions.write("basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature"
                                 "\nextendedKeyUsage=%s\n" % usage)
            openssl("x509", "-req", "-in", name + ".csr", "-CA", "root.pem", "-CAkey", "root.key",
                    "-CAcreateserial", "-days", "2", "-extfile", name + ".ext",
                    "-out", name + ".pem")
        with open(os.path.join(keys, "tsa.cnf"), "w") as configuration:
            configuration.write("[tsa]\ndefault_tsa = zorva\n[zorva]\nserial = tsa.serial\n"
                                "signer_digest = sha256\ndefault_policy = 1.3.6.1.4.1.0.1\n"
                                "digests = sha256, sha384, sha512\ness_cert_id_alg = sha256\n")
        openssl("pkcs12", "-export", "-inkey", "signer.key", "-in", "signer.pem",
                "-out", "signer.p12", "-passout", "pass:throwaway")
        return keys

    def sign(self, folder, **environment):
        subprocess.run([os.path.join(SOURCE, "scripts", "sign"), folder], check=True,
                       env=dict(ENV, **environment))

    def verify(self, path):
        root = os.path.join(self.certificates(), "root.pem")
        result = subprocess.run(["osslsigncode", "verify", "-CAfile", root, "-TSA-CAfile", root,
                                 "-in", path], capture_output=True, text=True)
        return result.returncode == 0 and "Zorva Test Signing" in result.stdout, result.stdout

    def test_signature(self):
        keys = self.certificates()
        signed = os.path.join(self.folder, "signed")
        shutil.copytree(self.shipped, signed)
        authority = TimeStampAuthority(keys)
        self.addCleanup(authority.shutdown)
        self.sign(signed, CODESIGN_PKCS12=os.path.join(keys, "signer.p12"),
                  CODESIGN_PASSWORD="throwaway", CODESIGN_TIMESTAMP_URL=authority.url)
        for program in self.programs:
            with self.subTest(program=program):
                verified, output = self.verify(os.path.join(signed, program))
                self.assertTrue(verified, output)
                self.assertIn("Timestamp Server Signature verification: ok", output)
        changed = os.path.join(signed, "Bin", "ChipsetInstaller.exe")
        with open(changed, "r+b") as program:
            program.seek(os.path.getsize(changed) // 2)
            byte = program.read(1)
            program.seek(-1, os.SEEK_CUR)
            program.write(bytes([byte[0] ^ 0xFF]))
        self.assertFalse(self.verify(changed)[0])

    def test_signatureFromToken(self):
        module = "/usr/lib/softhsm/libsofthsm2.so"
        if not os.path.exists(module) or not shutil.which("softhsm2-util"):
            self.skipTest("no SoftHSM (Debian: softhsm2, libengine-pkcs11-openssl)")
        keys = self.certificates()
        token = os.path.join(self.folder, "token")
        os.makedirs(token)
        configuration = os.path.join(self.folder, "softhsm2.conf")
        with open(configuration, "w") as file:
            file.write("directories.tokendir = %s\nobjectstore.backend = file\n" % token)
        environment = dict(ENV, SOFTHSM2_CONF=configuration)
        subprocess.run(["openssl", "pkcs8", "-topk8", "-nocrypt", "-in", "signer.key",
                        "-out", "signer.p8"], cwd=keys, check=True, capture_output=True)
        for command in (["--init-token", "--free", "--label", "zorva", "--pin", "1234",
                         "--so-pin", "5678"],
                        ["--import", os.path.join(keys, "signer.p8"), "--token", "zorva",
                         "--label", "signer", "--id", "01", "--pin", "1234"]):
            subprocess.run(["softhsm2-util", *command], env=environment, check=True,
                           capture_output=True)
        signed = os.path.join(self.folder, "token-signed")
        os.makedirs(signed)
        shutil.copy(os.path.join(self.shipped, "Bin", "ChipsetInstaller.exe"), signed)
        self.sign(signed, SOFTHSM2_CONF=configuration, CODESIGN_PKCS11_MODULE=module,
                  CODESIGN_PKCS11_KEY="pkcs11:token=zorva;object=signer;type=private",
                  CODESIGN_PKCS11_CERT=os.path.join(keys, "signer.pem"),
                  CODESIGN_PASSWORD="1234")
        verified, output = self.verify(os.path.join(signed, "ChipsetInstaller.exe"))
        self.assertTrue(verified, output)

    def test_winget(self):
        import jsonschema
        schemas = ENV["WINGET_SCHEMAS"]
        if not os.path.isdir(schemas):
            self.skipTest("no winget schemas in %s" % schemas)
        folder = os.path.join(WINDOWS, "winget")
        manifests = {}
        for name in sorted(os.listdir(folder)):
            with open(os.path.join(folder, name), encoding="utf-8") as file:
                manifest = yaml.safe_load(file)
            kind = manifest["ManifestType"]
            with open(os.path.join(schemas, "manifest.%s.1.28.0.json" % kind)) as file:
                schema = yaml.safe_load(file)
            errors = [error.message
                      for error in jsonschema.Draft7Validator(schema).iter_errors(manifest)]
            self.assertEqual(errors, [], name)
            manifests[kind] = manifest
        self.assertEqual(sorted(manifests), ["defaultLocale", "installer", "version"])
        self.assertEqual({manifest["PackageVersion"] for manifest in manifests.values()},
                         {VERSION})

        installer = manifests["installer"]
        interface = deployment()
        self.assertEqual(installer["InstallerSwitches"], interface["switches"])
        self.assertEqual([(code["InstallerReturnCode"], code["ReturnResponse"])
                          for code in installer["ExpectedReturnCodes"]],
                         [(entry["code"], entry["winget"]) for entry in interface["exitCodes"]
                          if entry["code"] != 0])
        self.assertEqual(installer["AppsAndFeaturesEntries"][0]["ProductCode"],
                         ENV["PACKAGE_PRODUCT_CODE"])
        download = installer["Installers"][0]
        self.assertEqual(download["InstallerSha256"], sha256(ZIP).upper())
        self.assertTrue(download["InstallerUrl"].endswith("/" + os.path.basename(ZIP)))

        # Every exit code that the program's own help names has its entry.
        usage = subprocess.run([ENV["PROGRAM"], "/?"], check=True, capture_output=True,
                               text=True).stdout
        named = {int(code) for code in re.findall(r"\b\d+\b", usage.split("Exit codes:")[1])}
        self.assertLessEqual(named, {entry["code"] for entry in interface["exitCodes"]})
        # ... and every switch the manifest passes is one the program knows.
        known = set(re.findall(r"^  (/\S+)", usage, re.M))
        passed = {word for line in interface["switches"].values() for word in line.split()
                  if word.startswith("/")}
        self.assertLessEqual(passed, known)


if __name__ == "__main__":
    result = unittest.TextTestRunner(verbosity=2).run(
        unittest.defaultTestLoader.loadTestsFromName("TestRelease." + sys.argv[1],
                                                     sys.modules[__name__]))
    sys.exit(1 if not result.wasSuccessful() else 77 if result.skipped else 0)
